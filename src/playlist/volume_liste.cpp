#include "playlist/volume_liste.h"

namespace volume_liste {
namespace {
struct Ligne {
    int16_t pourcent;
    int16_t niveau;
};
constexpr Ligne Table[] = {
    {0, -4000},    {10, -3800},  {15, -3400},  {20, -3200}, {25, -3000}, {30, -2800}, {35, -2600},
    {40, -2400},   {45, -2200},  {50, -2000},  {55, -1800}, {60, -1600}, {65, -1400}, {70, -1200},
    {75, -1000},   {80, -800},   {85, -600},   {90, -400},  {95, -200},  {100, 0},
};
}  // namespace

int16_t niveau_du_pourcent(int16_t pourcent) {
    for (const Ligne& l : Table)
        if (l.pourcent == pourcent) return l.niveau;
    return pourcent;
}

int16_t pourcent_du_niveau(int16_t niveau) {
    for (const Ligne& l : Table)
        if (l.niveau == niveau) return l.pourcent;
    return niveau;
}
}  // namespace volume_liste

#include "playlist/volume_liste.h"

#include <algorithm>
#include <cmath>

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
namespace {
// The row nearest `valeur` by `cle`; on a tie the later (louder) row wins.
template <class Cle>
int16_t plus_proche(double valeur, Cle cle) {
    const Ligne* meilleure = &Table[0];
    for (const Ligne& l : Table)
        if (std::abs(cle(l) - valeur) <= std::abs(cle(*meilleure) - valeur)) meilleure = &l;
    return meilleure->pourcent;
}
}  // namespace

int16_t pourcent_de_table(double pourcent) {
    return plus_proche(std::clamp(pourcent, 0.0, 100.0), [](const Ligne& l) { return double(l.pourcent); });
}

int16_t pourcent_le_plus_proche(int32_t niveau) {
    return plus_proche(double(niveau), [](const Ligne& l) { return double(l.niveau); });
}
}  // namespace volume_liste

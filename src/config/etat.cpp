#include "config/etat.h"

namespace Radio {
#define SONAVEL_DEFINE(type, name) type name{};
SONAVEL_ETAT_RADIO(SONAVEL_DEFINE)
#undef SONAVEL_DEFINE

void reinitialiser_etat() {
#define SONAVEL_RESET(type, name) name = type{};
    SONAVEL_ETAT_RADIO(SONAVEL_RESET)
#undef SONAVEL_RESET
}
}  // namespace Radio

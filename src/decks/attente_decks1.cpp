// Stand-ins for procedures another branch builds; removed when the branches come together.
#include "windows/Radio_FM.h"

void Radio_FM::Choix_mix() {}

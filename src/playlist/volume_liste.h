#pragma once
// A list entry stores its volume as a percent; a deck plays a level in hundredths of a decibel.
// The list's scale is a fixed table, not the deck slider's: from 15 % upwards the level is
// -4000 + 40 x percent, 10 % is -3800, 0 % is -4000, and there is no 5 % nor -3600. Numbers
// outside the table pass through unchanged both ways (older lists hold other values).
#include <cstdint>

namespace volume_liste {
// On reading an entry: the level of a stored percent.
int16_t niveau_du_pourcent(int16_t pourcent);
// Before writing an entry: the percent of a level.
int16_t pourcent_du_niveau(int16_t niveau);
// A percent typed by the user, brought into 0..100 and onto the nearest row of the table
// (halfway between two rows goes to the louder one).
int16_t pourcent_de_table(double pourcent);
// The percent of the table row whose level is nearest `niveau` (a deck's level kept into its
// entry reads back as that level; halfway goes to the louder row).
int16_t pourcent_le_plus_proche(int32_t niveau);
}  // namespace volume_liste

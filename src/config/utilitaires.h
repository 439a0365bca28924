#pragma once
// Small services of the main module: the Internet test, placing a window on the screen, and
// the CD drive door.
#include <cstdint>

class Form;

namespace Radio {
// -1 when the system reports a connection (of any kind), else 0; no backend means none.
int16_t connexion_internet();
// Top and left so that the window sits in the middle of the screen (twips).
void centre_fenetre(Form& fenetre);
// One pixel below the top of the screen, centred across it.
void centre_haut(Form& fenetre);
// Open and close the door of the CD drive; without a drive nothing happens, silently.
void ouvre_cd();
void ferme_cd();
}  // namespace Radio

#pragma once
// The program folder: the folder of the executable, holding the pictures, the lists and the
// journal. Tests point it at a temporary folder.
#include <QString>

namespace programme {
// The program folder, ending with "/".
QString dossier();
void definir_dossier(const QString& dossier);
// The program's name as the system shows it ("Sonavel_V5").
QString nom();
// Makes the program folder the current folder (relative names are resolved there).
void aller_au_dossier();
}  // namespace programme

namespace programme {
// Before the application object exists: on X11 use the xcb platform (Wayland ignores the
// window positions and stay-on-top that the system relies on). Without any display to open
// the program says so in French and English and ends with code 1 (never an abort).
void preparer_plateforme();
// Once the application object exists: the display is open.
void affichage_ouvert();
}  // namespace programme

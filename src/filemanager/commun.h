#pragma once
// Helpers the file manager's procedures share, and the progress window uses.
#include <QString>
#include <cstdint>

namespace gestionnaire {
// The screen's busy pointer: set (once) and back to the default (every level taken off).
void pointeur_sablier();
void pointeur_defaut();
bool pointeur_occupe();

// Whole seconds as hh:mm:ss ("00:03:03" for 183); hours grow past two digits.
QString texte_duree(int64_t secondes);

// Texts joined with the window's separators: a line break and a paragraph break.
inline const QString retour_ligne = QStringLiteral("\r");
inline const QString saut_paragraphe = QStringLiteral("\n\r\n\r");
}  // namespace gestionnaire

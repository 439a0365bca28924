#pragma once
// Helpers the file manager's procedures share, and the progress window uses.
#include <QString>
#include <cstdint>

#include <initializer_list>

class DirListBox;
class DriveListBox;
class Label;

namespace gestionnaire {
// The screen's busy pointer: set (once) and back to the default (every level taken off).
void pointeur_sablier();
void pointeur_defaut();
bool pointeur_occupe();

// Whole seconds as hh:mm:ss ("00:03:03" for 183); hours grow past two digits.
QString texte_duree(int64_t secondes);

// A volume chosen in a drive list: the folder list moves to it. A volume that is not a folder
// (68), not ready (71) or cannot be entered (5) is reported (the first two with the styles
// given) and the drive list goes back to the volume of the current folder.
void changer_volume(DriveListBox& lecteurs, DirListBox& dossiers, int style_entree, int style_absent);
// The drive list shows the volume of a path without running its change handler, which would
// move the folder list to the volume's root. A path on no listed volume changes nothing.
void montrer_volume(DriveListBox& lecteurs, const QString& chemin);

// The pointer over a label used as a button: its text takes the colour coul_label + 18000
// (an overflow is ignored); over the window's free area the labels take coul_label again.
void survol(Label& l);
void fin_survol(std::initializer_list<Label*> labels);
// Labels used as buttons in the file manager's dialogs: framed, centred, with the hover colour.
void labels_boutons(std::initializer_list<Label*> labels);

// A message built in texte_message, shown, and emptied again; the answer of the box.
int message(const QString& texte, int style, const QString& titre = QString());

// Texts joined with the window's separators: a line break and a paragraph break.
inline const QString retour_ligne = QStringLiteral("\r");
inline const QString saut_paragraphe = QStringLiteral("\n\r\n\r");
}  // namespace gestionnaire

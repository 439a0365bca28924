#pragma once
// Helpers the file manager's procedures share, and the progress window uses.
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

#include <initializer_list>

#include "platform/erreur.h"

class DirListBox;
class DriveListBox;
class Label;
class ListView;
class QTreeWidgetItem;

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

// Rows built whole go into the playlist view in one insertion before row `ligne` (1-based; 0
// or past the end: after the last row), in the order given (the list's tracker keeps the rows of
// list play on their entries). The view takes the rows. Returns the row of the first.
int inserer_lignes(ListView& vue, const QList<QTreeWidgetItem*>& lignes, int ligne);

// One result of a long work applied on the window thread: an error is kept for the closing
// message and passed on, which ends the work there.
template <class F>
void appliquer(QString& erreur, F&& f) {
    try {
        f();
    } catch (const Erreur& e) {
        erreur = e.description();
        throw;
    }
}

// The closing message of a long work that left some things out: its title, then one line
// each (the first few, then how many more).
QString texte_omis(const QString& titre, const QStringList& lignes);

// Texts joined with the window's separators: a line break and a paragraph break.
inline const QString retour_ligne = QStringLiteral("\r");
inline const QString saut_paragraphe = QStringLiteral("\n\r\n\r");
}  // namespace gestionnaire

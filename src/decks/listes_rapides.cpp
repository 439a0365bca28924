// The quick-load lists of the main window (favourites, jingles): choosing an entry reads its
// record and offers the decks to load it onto; and the unload menu of the decks.
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
// The chosen item is record index + 1 of the box's list file; the decks are offered even
// when the record could not be read.
void choisir_entree(Radio_FM& f, const ComboBox& boite, const QString& fichier, MenuItem& menu) {
    try {
        f.chemin_liste_lire = fichier;
        num_enreg_destinataire = boite.ListIndex() + 1;
        f.lire();
        menu.PopupMenu();
    } catch (const Erreur&) {
    }
}
}  // namespace

void Radio_FM::Combo1_Click() { choisir_entree(*this, Combo1, Load_combo1, cha); }
void Radio_FM::Combo2_Click() { choisir_entree(*this, Combo2, Load_combo2, char_F); }

// Space offers the decks for the entry last read; the key still reaches the box.
void Radio_FM::Combo1_KeyPress(int16_t& KeyAscii) {
    if (KeyAscii == 32) cha.PopupMenu();
}
void Radio_FM::Combo2_KeyPress(int16_t& KeyAscii) {
    if (KeyAscii == 32) char_F.PopupMenu();
}
void Radio_FM::Combo1_KeyUp() {}

void Radio_FM::decharger_lecteur(int n) {
    if (lecteur_en_cours == n) return;
    const ControlesLecteur d = deck(n);
    // No stop first: dropping the last views ends the graph.
    decks::liberer(d.lecteur);
    d.titre.setCaption(QStringLiteral(" - En attente"));
    d.chemin.clear();
}

void Radio_FM::A_décharge_1_Click() { decharger_lecteur(1); }
void Radio_FM::A_décharge_2_Click() { decharger_lecteur(2); }
void Radio_FM::A_décharge_3_Click() { decharger_lecteur(3); }

// The quick-load lists of the main window (favourites, jingles): choosing an entry reads its
// record and offers the decks to load it onto; and the unload menu of the decks.
#include "config/etat.h"
#include "platform/erreur.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::Combo1_Click() {
    try {
        chemin_liste_lire = Load_combo1;
        num_enreg_destinataire = int16_t(Combo1.ListIndex() + 1);
        lire();
        cha.PopupMenu();
    } catch (const Erreur&) {
    }
}

void Radio_FM::Combo2_Click() {
    try {
        chemin_liste_lire = Load_combo2;
        num_enreg_destinataire = int16_t(Combo2.ListIndex() + 1);
        lire();
        char_F.PopupMenu();
    } catch (const Erreur&) {
    }
}

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
    d.lecteur.graphe = nullptr;
    d.lecteur.position = nullptr;
    d.lecteur.audio = nullptr;
    d.lecteur.video = nullptr;
    d.titre.setCaption(QStringLiteral(" - En attente"));
    d.chemin.clear();
}

void Radio_FM::A_décharge_1_Click() { decharger_lecteur(1); }
void Radio_FM::A_décharge_2_Click() { decharger_lecteur(2); }
void Radio_FM::A_décharge_3_Click() { decharger_lecteur(3); }

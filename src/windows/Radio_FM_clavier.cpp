// The main window's keyboard: one command per typed character. The table is matched on the
// character itself, so the deck keys work on a French keyboard with or without shift (1 / &,
// 2 / é, 3 / ") and on other layouts alike.
#include "config/etat.h"
#include "windows/Radio_FM.h"
#include "windows/commandes_fenetres.h"

using namespace Radio;

Radio_FM::Procedure Radio_FM::commande_touche(int16_t KeyAscii) const {
    switch (KeyAscii) {
    case 27:   // Esc
    case 'Q':
    case 'q': return &Radio_FM::Quitter__Click;
    case '1':
    case '&': return &Radio_FM::HLBSoftBttn18_Click;
    case '2':
    case 233:  // é
        return &Radio_FM::HLBSoftBttn19_Click;
    case '3':
    case '"': return &Radio_FM::HLBSoftBttn20_Click;
    case 'A':
    case 'a': return &Radio_FM::Label15_Click;
    case 'O':
    case 'o': return &Radio_FM::Label16_Click;
    case 'H':
    case 'h': return &Radio_FM::volume_plus;
    case 'B':
    case 'b': return &Radio_FM::volume_moins;
    case 'F':
    case 'f': return &Radio_FM::A_gere_Click;
    case 'I':  // upper-case I and lower-case m only
    case 'm': return &Radio_FM::a_mini_Click;
    case 'L':
    case 'l': return &Radio_FM::touche_liste;
    case 'P':
    case 'p': return &Radio_FM::Mettre_en_pause;
    case 'Z':
    case 'z': return &Radio_FM::zapping;
    case 178:  // ²
        return &Radio_FM::touche_coin;
    default: return nullptr;
    }
}

// The character is never swallowed: the control that has the focus gets it too.
void Radio_FM::Form_KeyPress(int16_t KeyAscii) {
    if (const Procedure p = commande_touche(KeyAscii)) (this->*p)();
}

bool Radio_FM::sur_lecteur_en_cours(Procedure deck1, Procedure deck2, Procedure deck3) {
    const Procedure p = lecteur_en_cours == 1 ? deck1 : lecteur_en_cours == 2 ? deck2 : lecteur_en_cours == 3 ? deck3 : nullptr;
    if (!p) return false;
    (this->*p)();
    return true;
}

void Radio_FM::volume_plus() {
    sur_lecteur_en_cours(&Radio_FM::AnyButton1_Click, &Radio_FM::AnyButton3_Click, &Radio_FM::AnyButton4_Click);
}

void Radio_FM::volume_moins() {
    sur_lecteur_en_cours(&Radio_FM::AnyButton2_Click, &Radio_FM::AnyButton5_Click, &Radio_FM::AnyButton6_Click);
}

void Radio_FM::touche_liste() {
    if (a_mode_manuel.Checked()) {
        refus_mode_manuel();
        return;
    }
    coche3.setValue(true);
    affiche_tout_Click();
}

void Radio_FM::touche_coin() {
    if (coin_haut_droit) {
        a_gauche_haut_Click();
        coin_haut_droit = false;
    } else {
        a_droite_haut_Click();
        coin_haut_droit = true;
    }
}

void Radio_FM::brancher_clavier() {
    new ApercuClavier(*this, [this](int code) {
        Form_KeyPress(int16_t(code));
        return false;
    });
}

// The deck menus: load a quick-load entry onto a deck, the "Play" menu and its keys, and the
// opening of the "Liste" and "LIVE CD" menus.
#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/erreur.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
// Enables every item but the one of the deck on air; with no deck on air nothing changes.
void activer_sauf_lecteur_en_cours(std::initializer_list<MenuItem*> items) {
    if (lecteur_en_cours < 1 || lecteur_en_cours > 3) return;
    int i = 0;
    for (MenuItem* m : items) m->setEnabled(i++ % 3 + 1 != lecteur_en_cours);
}
}  // namespace

void Radio_FM::charger_rapide(int n, bool jingles) {
    const Procedure charge[] = {&Radio_FM::charge_1, &Radio_FM::charge_2, &Radio_FM::charge_3};
    const Procedure charge_F[] = {&Radio_FM::charge_1_F, &Radio_FM::charge_2_F, &Radio_FM::charge_3_F};
    stoppe_list();
    Text2.setText(rt::Trim((jingles ? Combo2 : Combo1).Text()));
    (this->*(jingles ? charge_F : charge)[n - 1])();
    // Whatever the load reported.
    deck(n).lire.setEnabled(true);
}

void Radio_FM::lect1_Click() { charger_rapide(1, false); }
void Radio_FM::lect2_Click() { charger_rapide(2, false); }
void Radio_FM::lect3_Click() { charger_rapide(3, false); }
void Radio_FM::lect1_F_Click() { charger_rapide(1, true); }
void Radio_FM::lect2_F_Click() { charger_rapide(2, true); }
void Radio_FM::lect3_F_Click() { charger_rapide(3, true); }

void Radio_FM::lire_1_Click() { Command3_Click(); }
void Radio_FM::lire_2_Click() { Command4_Click(); }
void Radio_FM::lire_3_Click() { Command6_Click(); }
void Radio_FM::Mix1_Click() { HLBSoftBttn8_Click(); }
void Radio_FM::Mix2_Click() { HLBSoftBttn6_Click(); }
void Radio_FM::Mix3_Click() { HLBSoftBttn7_Click(); }

// The deck on air can be neither started again nor mixed over from this menu; its keys follow
// the items.
void Radio_FM::lire_play_Click() { activer_sauf_lecteur_en_cours({&lire_1, &lire_2, &lire_3, &Mix1, &Mix2, &Mix3}); }

// Both pop-ups of the quick-load lists: the deck on air cannot be loaded from them.
void Radio_FM::cha_Click() {
    activer_sauf_lecteur_en_cours({&lect1, &lect2, &lect3, &lect1_F, &lect2_F, &lect3_F});
}
void Radio_FM::char_F_Click() { cha_Click(); }

void Radio_FM::liste__Click() {
    try {
        if (!a_mode_manuel.Checked()) return;
        MsgBox(QStringLiteral("Vous ètes en mode manuel") + QChar(13) +
                   QStringLiteral("Modifiez cette option pour une lecture de liste"),
               boites::Information);
        coche2.setValue(true);
        Image12.setPicture(Chemin_programme + QStringLiteral("bouton_noir_petitdoux.jpg"));
    } catch (const Erreur&) {
    }
}

void Radio_FM::live__Click() {}

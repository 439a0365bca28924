// The play controls of the playlist window. Stopping and pausing reach the decks now; the
// list run itself (zap, listen, load on a deck, the double click) comes with list play.
#include "config/etat.h"
#include "platform/boites.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Liste_son::Image2_Click() {}

void Liste_son::Image3_Click() {
    Radio_FM& f = Radio_FM::instance();
    f.HLBSoftBttn9_Click();
    f.HLBSoftBttn10_Click();
    f.HLBSoftBttn11_Click();
}

void Liste_son::Image4_Click() {}

void Liste_son::Image5_Click() {
    Radio_FM& f = Radio_FM::instance();
    f.setWindowState(Qt::WindowNoState);
    f.show();
}

void Liste_son::Image7_Click() {}

void Liste_son::Mettre_en_pause() {
    Radio_FM& f = Radio_FM::instance();
    switch (lecteur_en_cours) {
    case 1: f.HLBSoftBttn12_Click(); break;
    case 2: f.HLBSoftBttn13_Click(); break;
    case 3: f.HLBSoftBttn14_Click(); break;
    default: MsgBox(QStringLiteral("Aucune lecture en cours"), boites::Information);
    }
}

void Liste_son::A_a_zapping_Click() {}
void Liste_son::A_precoute_Click() {}
void Liste_son::A_ecoute_Click() {}
void Liste_son::A_ecoute_option_Click() {}
void Liste_son::char1_Click() {}
void Liste_son::char2_Click() {}
void Liste_son::char3_Click() {}
void Liste_son::ListView1_DblClick() {}

// The decks' play buttons, and the handlers of the playback controls.
#include "config/etat.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::Command3_Click() { commande_play(1); }
void Radio_FM::Command4_Click() { commande_play(2); }
void Radio_FM::Command6_Click() { commande_play(3); }
void Radio_FM::Command3_MouseMove() { info_bulle_play(1); }
void Radio_FM::Command4_MouseMove() { info_bulle_play(2); }
void Radio_FM::Command6_MouseMove() { info_bulle_play(3); }

namespace {
void image_bouton(Image& bouton, const char* nom) {
    // A picture that cannot be loaded leaves the old one.
    bouton.setPicture(Chemin_programme + QLatin1String(nom));
}
}  // namespace

void Radio_FM::Command3_MouseDown() { image_bouton(Command3, "bouton_vide_noir.gif"); }
void Radio_FM::Command4_MouseDown() { image_bouton(Command4, "bouton_vide_noir.gif"); }
void Radio_FM::Command6_MouseDown() { image_bouton(Command6, "bouton_vide_noir.gif"); }
void Radio_FM::Command3_MouseUp() { image_bouton(Command3, "tplay_noir.gif"); }
void Radio_FM::Command4_MouseUp() { image_bouton(Command4, "tplay_noir.gif"); }
void Radio_FM::Command6_MouseUp() { image_bouton(Command6, "tplay_noir.gif"); }

void Radio_FM::commande_play(int n) {
    try {
        // With an empty playlist the window goes back to deck-to-deck mix first.
        if (Liste_son::instance().ListView1.ListCount() == 0) {
            coche2.setValue(true);
            coche2_Click();
        }
        if (index_fin_jingle_auto == 0) index_fin_jingle_auto = index_liste_en_cours;
        if (index_fin_new_auto == 0) index_fin_new_auto = index_liste_en_cours;
        jouer(n);
    } catch (const Erreur&) {
    }
}

void Radio_FM::info_bulle_play(int n) {
    ControlesLecteur d = deck(n);
    const int valeur = d.barre.Value();
    if (valeur > 0)
        d.lire.setToolTip(QStringLiteral("Lecture de : ") + d.chemin);
    else if (valeur == 0)
        d.lire.setToolTip(QStringLiteral("Chargé : ") + d.chemin);
}

void Radio_FM::brancher_lecture() {
    Timer2.Tick = [this] { Timer2_Timer(); };
    Timer3.Tick = [this] { Timer3_Timer(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command3.MouseDown = [this](auto&&...) { Command3_MouseDown(); };
    Command4.MouseDown = [this](auto&&...) { Command4_MouseDown(); };
    Command6.MouseDown = [this](auto&&...) { Command6_MouseDown(); };
    Command3.MouseUp = [this](auto&&...) { Command3_MouseUp(); };
    Command4.MouseUp = [this](auto&&...) { Command4_MouseUp(); };
    Command6.MouseUp = [this](auto&&...) { Command6_MouseUp(); };
    Command3.MouseMove = [this](auto&&...) { Command3_MouseMove(); };
    Command4.MouseMove = [this](auto&&...) { Command4_MouseMove(); };
    Command6.MouseMove = [this](auto&&...) { Command6_MouseMove(); };
    HLBSoftBttn8.Click = [this] { HLBSoftBttn8_Click(); };
    HLBSoftBttn6.Click = [this] { HLBSoftBttn6_Click(); };
    HLBSoftBttn7.Click = [this] { HLBSoftBttn7_Click(); };
    HLBSoftBttn8.MouseOver = [this] { HLBSoftBttn8_info_bulle(); };
    HLBSoftBttn6.MouseOver = [this] { HLBSoftBttn6_info_bulle(); };
    HLBSoftBttn7.MouseOver = [this] { HLBSoftBttn7_info_bulle(); };
    coche2.Click = [this] { coche2_Click(); };
}

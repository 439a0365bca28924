// Stopping and pausing a deck: the display reset of a deck, the pause toggle, and the release
// of the deck before the one on air when mixing is off.
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/conversions.h"
#include "platform/boites.h"
#include "platform/erreur.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::stop_play1() { reinitialiser_affichage(1); }
void Radio_FM::stop_play2() { reinitialiser_affichage(2); }
void Radio_FM::stop_play3() { reinitialiser_affichage(3); }

// Resets what deck n shows, without touching its sound.
void Radio_FM::reinitialiser_affichage(int n) {
    try {
        ControlesLecteur d = deck(n);
        d.duree.setCaption(QStringLiteral("0"));
        d.defilement.setEnabled(false);
        d.barre.setCaption(QString());
        d.barre.setValue(0);
        d.ouvrir.setEnabled(true);
        // The last reference that keeps a video deck's graph alive.
        if (decks::extension_video_arret(extension_fichier)) d.lecteur.video = nullptr;
    } catch (const Erreur&) {
    }
}

void Radio_FM::stop_play() {
    try {
        Label6.setCaption(QStringLiteral("0"));
        picProgBack.setValue(0);
        lecteur1.graphe.Stop();
        Command3.setEnabled(false);
        Command1.setEnabled(true);
    } catch (const Erreur&) {
    }
}

void Radio_FM::A_pause() { pause_lecteur(1); }
void Radio_FM::A_pause_1() { pause_lecteur(2); }
void Radio_FM::A_pause_2() { pause_lecteur(3); }

// Pauses a running deck, or runs it again; the graph's own state says which.
void Radio_FM::pause_lecteur(int n) {
    ControlesLecteur d = deck(n);
    try {
        if (d.lecteur.graphe.estNul()) return;
        if (d.lecteur.graphe.GetState(0) == etat_graphe::EnLecture) {
            d.lecteur.graphe.Pause();
            d.pause.setCaption(QStringLiteral("=>"));
            d.lire.setEnabled(true);
            vol_pour_stop();
            Timer1.setEnabled(false);
        } else {
            d.lecteur.graphe.Run();
            // A deck that was mixed over the one on air lowers it again.
            if (drapeau_mix_special(n) != 0) vol_pour_mix_spc();
            d.lire.setEnabled(false);
            d.pause.setCaption(QStringLiteral("II"));
            Timer1.setEnabled(true);
        }
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Critique);
    }
}

void Radio_FM::Mettre_en_pause() {
    switch (lecteur_en_cours) {
    case 0:
        MsgBox(QStringLiteral("Aucun lecteur en cours"), boites::Information);
        break;
    case 1:
        HLBSoftBttn12_Click();
        break;
    case 2:
        HLBSoftBttn13_Click();
        break;
    case 3:
        HLBSoftBttn14_Click();
        break;
    }
}

// Mixing off: the deck before the one on air stops and its graph goes, so two decks never
// sound together. It is stopped first because a video deck's graph outlives these views.
void Radio_FM::Pas_demix_audio() {
    if (lecteur_en_cours < 1 || lecteur_en_cours > 3) return;
    TypeLecteur& l = deck(lecteur_precedent(lecteur_en_cours)).lecteur;
    if (!l.graphe.estNul()) {
        try {
            l.graphe.Stop();
        } catch (const Erreur&) {
        }
    }
    decks::liberer(l, false);
}

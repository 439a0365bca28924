// The transport buttons of the decks: zap, stop, pause, keep the volume in the list entry,
// and the buttons that fill the quick-load lists.
#include "config/etat.h"
#include "platform/boites.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
// The record the deck's volume would be kept in.
QString bulle_garder_volume() {
    return QStringLiteral("Conserver réglage volume dans enreg. ") + QString::number(num_enreg_courant);
}
}  // namespace

Radio_FM::Procedure Radio_FM::zap_choisi(int n) const {
    if (a_mode_manuel.Checked()) return nullptr;
    const Liste_son& liste = Liste_son::instance();
    const bool ordre_de_liste = liste.Option4.Value() || liste.Option3.Value() || liste.Option2.Value();
    const Procedure simple[] = {&Radio_FM::zap1, &Radio_FM::zap2, &Radio_FM::zap3};
    const Procedure par_liste[] = {&Radio_FM::zap11, &Radio_FM::zap12, &Radio_FM::zap13};
    return ordre_de_liste ? par_liste[n - 1] : simple[n - 1];
}

void Radio_FM::arreter_lecteur(int n) {
    const ControlesLecteur d = deck(n);
    // Outside manual mode even an empty deck may take a special mix again.
    if (!a_mode_manuel.Checked()) d.mix_special.setEnabled(true);
    try {
        if (d.chemin.isEmpty()) return;
        d.titre.setCaption(QStringLiteral(" - En attente"));
        d.ouvrir.setEnabled(true);
        const Procedure remise[] = {&Radio_FM::stop_play1, &Radio_FM::stop_play2, &Radio_FM::stop_play3};
        (this->*remise[n - 1])();
        // A fade in progress: the outgoing deck's stop ends it, the incoming deck's stop ends it
        // at once as at its end (its end second would never come), any other deck leaves it.
        if (Timer3.Interval() != 0) {
            if (n == lecteur_en_cours) terminer_fondu();
            else if (n == lecteur_precedent(lecteur_en_cours) || lecteur_en_cours < 1 || lecteur_en_cours > 3)
                Timer3.setInterval(0);
        }
        d.lecteur.graphe.Stop();
        d.volume.setValue(0);
        if (d.lecteur.position.CurrentPosition() > 0) {
            d.lecteur.position.setCurrentPosition(0);
            Liste_son::instance().Label4.setCaption(QStringLiteral("00:00:00"));
        }
        // The status names the deck on air, not the stopped one.
        if (coche2.Value())
            Label7.setCaption(QStringLiteral("Play ") + QString::number(lecteur_en_cours) + QStringLiteral(" : mix player"));
        vol_pour_stop();
        d.pause.setCaption(QStringLiteral("II"));
        Shape* antennes[] = {&Shape1, &Shape2, &Shape3};
        antennes[n - 1]->setVisible(false);
        index_fin_jingle_auto = 0;
        index_fin_new_auto = 0;
        setCaption(Nom_radio_fm + QStringLiteral(" : ") + chemin_entree_liste);
        if (lecture_liste_auto == Vrai) {
            Active_audio_jingles.setChecked(false);
            Timer4.setEnabled(true);
        }
        Liste_son::instance().Image1.setEnabled(true);
    } catch (const Erreur&) {
    }
}

void Radio_FM::garder_volume(int n) {
    if (coche2.Value()) return;
    if (!deck(n).lire.isEnabled()) {
        MsgBox(QStringLiteral("le lecteur n'est pas encore validé "), boites::Information);
        return;
    }
    if (lecteur_en_cours == n) A_sauve();
}

void Radio_FM::HLBSoftBttn1_Click() {
    if (const Procedure zap = zap_choisi(1)) (this->*zap)();
}
void Radio_FM::HLBSoftBttn2_Click() {
    if (const Procedure zap = zap_choisi(2)) (this->*zap)();
}
void Radio_FM::HLBSoftBttn3_Click() {
    if (const Procedure zap = zap_choisi(3)) (this->*zap)();
}
void Radio_FM::HLBSoftBttn9_Click() { arreter_lecteur(1); }
void Radio_FM::HLBSoftBttn10_Click() { arreter_lecteur(2); }
void Radio_FM::HLBSoftBttn11_Click() { arreter_lecteur(3); }
void Radio_FM::HLBSoftBttn12_Click() { A_pause(); }
void Radio_FM::HLBSoftBttn13_Click() { A_pause_1(); }
void Radio_FM::HLBSoftBttn14_Click() { A_pause_2(); }
void Radio_FM::HLBSoftBttn15_Click() { garder_volume(1); }
void Radio_FM::HLBSoftBttn16_Click() { garder_volume(2); }
void Radio_FM::HLBSoftBttn17_Click() { garder_volume(3); }

void Radio_FM::HLBSoftBttn15_info_bulle() { HLBSoftBttn15.setToolTip(bulle_garder_volume()); }
void Radio_FM::HLBSoftBttn16_info_bulle() { HLBSoftBttn16.setToolTip(bulle_garder_volume()); }
void Radio_FM::HLBSoftBttn17_info_bulle() { HLBSoftBttn17.setToolTip(bulle_garder_volume()); }

void Radio_FM::HLBSoftBttn4_Click() {
    try {
        choix_combo = 1;
        Charge_combo();
    } catch (const Erreur&) {
    }
}
void Radio_FM::HLBSoftBttn5_Click() {
    try {
        choix_combo = 2;
        Charge_combo();
    } catch (const Erreur&) {
    }
}

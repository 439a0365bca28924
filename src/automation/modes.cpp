// The mode switches (so far the deck-to-deck mix and the fade-on-zap option).
#include "config/etat.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

// Deck-to-deck mix: the supervision tick hands over from deck to deck.
void Radio_FM::coche2_Click() {
    a_mode_predefini.setChecked(false);
    a_mode_auto.setChecked(true);
    a_mode_manuel.setChecked(false);
    lecture_liste_auto = Faux;
    Timer4.setEnabled(false);
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
    Timer2.setInterval(Valeur_vitesse_timer);
    Timer3.setEnabled(true);
    setCaption(Nom_radio_fm + QStringLiteral(" ( Mix lecteur )"));
}

void Radio_FM::Active_audio_zapping_Click() {
    Active_audio.setChecked(false);
    Active_audio_jingles.setChecked(false);
    Active_audio_zapping.setChecked(true);
    Désactive_audio.setChecked(false);
}

// Continuous play of the list by the decks: the automatic insertions stop.
void Liste_son::Option1_Click() {
    jingle_auto_actif = Faux;
    new_auto_actif = Faux;
    lecture_liste_auto = Faux;
    Radio_FM& f = Radio_FM::instance();
    f.Timer8.setEnabled(false);
    f.Timer9.setEnabled(false);
    f.Timer4.setEnabled(false);
    if (journal_actif != Faux) {
        ligne_journal = QStringLiteral("Lecteur - Lecture continue auto");
        journal();
        ligne_journal.clear();
    }
}

// The automatic mode button of the main window.
void Radio_FM::Image12_Click() {
    a_mode_predefini.setChecked(false);
    a_mode_manuel.setChecked(false);
    a_mode_auto.setChecked(true);
    Timer4.setEnabled(false);
    Timer8.setEnabled(false);
    Timer9.setEnabled(false);
    Timer3.setEnabled(true);
    ordre_aleatoire = Faux;
}

// Playing the list from the playlist window comes with the list sequencer.
void Liste_son::Image1_Click() {}

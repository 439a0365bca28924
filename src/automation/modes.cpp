// The mode switches (so far the deck-to-deck mix and the fade-on-zap option).
#include "config/etat.h"
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

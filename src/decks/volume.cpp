// Deck volume: the slider of each deck is the one source of its level. Every change of a
// deck's volume sets the slider, and the slider's change handler applies the level.
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "playlist/volume_liste.h"
#include "windows/Radio_FM.h"

void Radio_FM::ajuster_volume(int n) {
    using namespace Radio;
    ControlesLecteur d = deck(n);
    try {
        if (d.lecteur.graphe.estNul()) return;
        d.lecteur.audio = d.lecteur.graphe;
        const int v = d.volume.Value();
        d.lecteur.audio.setVolume(((20 - v) * 5) * 40 - 4000);
        if (n == 1) Label11.setCaption(QString::number(d.lecteur.audio.Volume()));
        enreg_destinataire.volume = int16_t(d.lecteur.audio.Volume());
        texte_volume(n);
    } catch (const Erreur&) {
        // A graph that refuses the level (no sound) keeps its old one.
    }
}

void Radio_FM::texte_volume(int n) {
    ControlesLecteur d = deck(n);
    const int p = 100 - 5 * d.volume.Value();
    d.volume.setToolTip(QStringLiteral("Volume %") + QString::number(p));
    d.pourcent.setCaption(QString::number(p) + QLatin1Char('%'));
}

void Radio_FM::AdjustVolume() { ajuster_volume(1); }
void Radio_FM::AdjustVolume1() { ajuster_volume(2); }
void Radio_FM::AdjustVolume2() { ajuster_volume(3); }
void Radio_FM::SetSliderText() { texte_volume(1); }
void Radio_FM::SetSliderText1() { texte_volume(2); }
void Radio_FM::SetSliderText2() { texte_volume(3); }

// A move applies the level; a click or a press only refreshes the text.
void Radio_FM::curseur_deplace(int n) {
    texte_volume(n);
    ajuster_volume(n);
}
void Radio_FM::Slider_Change() { curseur_deplace(1); }
void Radio_FM::Slider_Scroll() { curseur_deplace(1); }
void Radio_FM::Slider_Click() { SetSliderText(); }
void Radio_FM::Slider_MouseDown(int, int, float, float) { SetSliderText(); }
void Radio_FM::Slider1_Change() { curseur_deplace(2); }
void Radio_FM::Slider1_Scroll() { curseur_deplace(2); }
void Radio_FM::Slider1_Click() { SetSliderText1(); }
void Radio_FM::Slider1_MouseDown(int, int, float, float) { SetSliderText1(); }
void Radio_FM::Slider2_Change() { curseur_deplace(3); }
void Radio_FM::Slider2_Scroll() { curseur_deplace(3); }
void Radio_FM::Slider2_Click() { SetSliderText2(); }
void Radio_FM::Slider2_MouseDown(int, int, float, float) { SetSliderText2(); }

// Step buttons: one slider position louder (-1) or quieter (+1); the slider keeps to 0..20.
void Radio_FM::AnyButton1_Click() { Slider.setValue(Slider.Value() - 1); }
void Radio_FM::AnyButton2_Click() { Slider.setValue(Slider.Value() + 1); }
void Radio_FM::AnyButton3_Click() { Slider1.setValue(Slider1.Value() - 1); }
void Radio_FM::AnyButton5_Click() { Slider1.setValue(Slider1.Value() + 1); }
void Radio_FM::AnyButton4_Click() { Slider2.setValue(Slider2.Value() - 1); }
void Radio_FM::AnyButton6_Click() { Slider2.setValue(Slider2.Value() + 1); }

void Radio_FM::lire_volume(int n) {
    using namespace Radio;
    ControlesLecteur d = deck(n);
    try {
        if (coche2.Value()) return;
        if (d.lecteur.graphe.estNul()) return;
        d.lecteur.audio = d.lecteur.graphe;
        const int16_t niveau = enreg_destinataire.volume;
        if (niveau == 0) {
            // Full level: the slider shows it too.
            d.volume.setValue(0);
            d.lecteur.audio.setVolume(0);
            texte_volume(n);
            return;
        }
        const double q = -4000.0 / niveau;
        d.volume.setValue(rt::CInt(d.volume.Max() / q));
        // The slider's change handler has stored the level it applied; when the slider did not
        // move, the entry's own level stays.
        d.lecteur.audio.setVolume(enreg_destinataire.volume);
        texte_volume(n);
    } catch (const Erreur&) {
    }
}

void Radio_FM::A_lire_volume() { lire_volume(1); }
void Radio_FM::A_lire_volume1() { lire_volume(2); }
void Radio_FM::A_lire_volume2() { lire_volume(3); }

namespace {
struct SliderGarde {
    ::Slider* slider;
    int16_t* garde;
};
SliderGarde deck_en_cours(Radio_FM& f) {
    switch (Radio::lecteur_en_cours) {
    case 1: return {&f.Slider, &f.slider_sauve1};
    case 2: return {&f.Slider1, &f.slider_sauve2};
    case 3: return {&f.Slider2, &f.slider_sauve3};
    }
    return {nullptr, nullptr};
}
}  // namespace

void Radio_FM::vol_pour_mix_spc() {
    try {
        const SliderGarde d = deck_en_cours(*this);
        if (!d.slider) return;
        // Only the first of several special mixes keeps the level to come back to: a later one
        // would keep the level already lowered.
        if (!mix_special_sonore()) *d.garde = int16_t(d.slider->Value());
        d.slider->setValue(d.slider->Value() + Radio::Mix_audio_attenuation);
    } catch (const Erreur&) {
    }
}

void Radio_FM::vol_pour_stop() {
    try {
        const SliderGarde d = deck_en_cours(*this);
        if (!d.slider) return;
        // While another jingle still sounds the deck on air stays lowered; the last restores.
        if (mix_special_sonore()) return;
        d.slider->setValue(*d.garde);
    } catch (const Erreur&) {
    }
}

void Radio_FM::convertir_valeur_son_ecriture() {
    Radio::enreg_destinataire.volume = volume_liste::pourcent_du_niveau(Radio::enreg_destinataire.volume);
}

// The display menu of the main window: which of the main, playlist and mini player windows
// show (exactly one mode checked), placing the main window, docking the playlist window under
// it, the visual-effect and volume-slider choices, and the banner.
#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/boites.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/commandes_fenetres.h"
#include "windows/mini_lecteur.h"

using namespace Radio;

namespace {
// Check marks of affiche_toujour, Affiche_Fenetre_P, Affiche_Fenetre_L, affiche_tout,
// Affiche_barre: exactly one is set.
void cocher_mode(Radio_FM& f, MenuItem& coche) {
    for (MenuItem* m : {&f.affiche_toujour, &f.Affiche_Fenetre_P, &f.Affiche_Fenetre_L, &f.affiche_tout, &f.Affiche_barre})
        m->setChecked(m == &coche);
}
}  // namespace

const char* const Radio_FM::AdresseBanniereWeb = "";

void Radio_FM::a_mini_Click() {
    fenetres::premier_plan(*this, false);
    cocher_mode(*this, Affiche_barre);
    Liste_son::instance().setVisible(false);
    fenetres::minimiser(*this);
    mini_lecteur& mini = mini_lecteur::instance();
    fenetres::premier_plan(mini, true);
    mini.Show();
}

void Radio_FM::Affiche_Fenetre_P_Click() {
    fenetres::premier_plan(*this, false);
    Liste_son& liste = Liste_son::instance();
    fenetres::etat_normal(liste);
    Aligner_liste.setEnabled(false);
    Aligner_liste_Click();
    cocher_mode(*this, Affiche_Fenetre_P);
    fenetres::etat_normal(*this);
    liste.hide();
}

void Radio_FM::Affiche_Fenetre_L_Click() {
    fenetres::premier_plan(*this, false);
    cocher_mode(*this, Affiche_Fenetre_L);
    Aligner_liste.setEnabled(true);
    Liste_son& liste = Liste_son::instance();
    liste.setVisible(true);
    fenetres::etat_normal(liste);
    fenetres::minimiser(*this);
}

void Radio_FM::affiche_toujour_Click() {
    cocher_mode(*this, affiche_toujour);
    try {
        setVisible(true);
        fenetres::premier_plan(*this, true);
        Liste_son& liste = Liste_son::instance();
        setTop(liste.ListView1.y() * TwipsParPixel + 690);
        setLeft(fenetres::ecran_twips().width() - 300 - Width());
        fenetres::etat_normal(*this);
        liste.Show();
    } catch (const Erreur&) {
        // Placing ends silently; what was set stays.
    }
}

void Radio_FM::affiche_tout_Click() {
    fenetres::premier_plan(*this, false);
    cocher_mode(*this, affiche_tout);
    Aligner_liste.setEnabled(true);
    fenetres::etat_normal(*this);
    setVisible(true);
    Liste_son& liste = Liste_son::instance();
    liste.setVisible(true);
    liste.Show();
}

void Radio_FM::Affiche_barre_Click() {
    fenetres::premier_plan(*this, false);
    cocher_mode(*this, Affiche_barre);
    Liste_son::instance().hide();
    fenetres::minimiser(*this);
    mini_lecteur::instance().setVisible(false);
}

void Radio_FM::Aligner_liste_Click() {
    try {
        Liste_son::instance().ancrer();
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Exclamation);
    }
}

void Radio_FM::a_droite_haut_Click() {
    setTop(TwipsParPixel);
    setLeft(fenetres::ecran_twips().width() - Width());
}

void Radio_FM::a_gauche_haut_Click() {
    setTop(TwipsParPixel);
    setLeft(TwipsParPixel);
}

// The visual effect itself is not part of the program: the menu keeps its choices. Every
// choice leaves the manual mode item disabled.
static void cocher_effet(Radio_FM& f, bool oscilloscope, bool spectrum, bool actif) {
    f.A_affichage1.setChecked(oscilloscope);
    f.A_affichage2.setChecked(spectrum);
    f.a_mode_manuel.setEnabled(false);
    f.A_visuel_active.setChecked(actif);
    f.A_visuel_desactive.setChecked(!actif);
}

void Radio_FM::A_visuel_active_Click() {
    effet_visuel = Vrai;
    cocher_effet(*this, true, false, true);
    ecrire_reglage(cle::Config, cle::Effet_visuel, QStringLiteral("Oui"));
}

void Radio_FM::A_visuel_desactive_Click() {
    if (effet_visuel == Vrai) effet_visuel = Faux;
    cocher_effet(*this, false, false, false);
    ecrire_reglage(cle::Config, cle::Effet_visuel, QStringLiteral("Non"));
}

void Radio_FM::A_affichage1_Click() { cocher_effet(*this, true, false, true); }
void Radio_FM::A_affichage2_Click() { cocher_effet(*this, false, true, true); }

void Radio_FM::aa_cacher_curseur_Click() {
    aa_montrer_curseur.setChecked(false);
    aa_cacher_curseur.setChecked(true);
    for (::Slider* s : {&Slider, &Slider1, &Slider2}) s->setVisible(false);
    for (Label* l : {&Label27, &Label28, &Label29}) {
        l->setCaption(QStringLiteral("Volume"));
        l->setToolTip(QStringLiteral("H + / B -"));
        l->setVisible(true);
    }
    ecrire_reglage(cle::Config, cle::Montrer_curseur, QStringLiteral("Non"));
}

void Radio_FM::aa_montrer_curseur_Click() {
    aa_montrer_curseur.setChecked(true);
    aa_cacher_curseur.setChecked(false);
    for (::Slider* s : {&Slider, &Slider1, &Slider2}) s->setVisible(true);
    for (Label* l : {&Label27, &Label28, &Label29}) l->setVisible(false);
    ecrire_reglage(cle::Config, cle::Montrer_curseur, QStringLiteral("Oui"));
}

void Radio_FM::lancer_banniere(const QString& source) {
    ShockwaveFlash1.setTexte(Nom_radio_fm.isEmpty() ? QString::fromUtf8(valeur::Nom_radio_defaut) : Nom_radio_fm);
    // Nothing is fetched from the web: a source that gives no picture falls back to the local
    // banner.
    ShockwaveFlash1.setMovie(Bandeau::fichier_pour(source).isEmpty() ? chemin_banniere : source);
    ShockwaveFlash1.setLoop(true);
    ShockwaveFlash1.Play();
}

// The web banner when an address is set; without one (the default) the local banner plays.
void Radio_FM::A_Rafraichir_Click() {
    try {
        lancer_banniere(QString::fromUtf8(AdresseBanniereWeb));
    } catch (const Erreur&) {
    }
}

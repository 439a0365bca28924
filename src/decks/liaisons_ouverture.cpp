// The events of the open, transport and seeking controls, the quick-load lists and the deck
// menus, tied to their handlers.
#include "config/etat.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
// Skin buttons show the empty face while pressed and their own picture when released; a
// picture that cannot be loaded leaves the one shown.
void presser(Image& bouton, const QString& image_relachee) {
    bouton.MouseDown = [&bouton](int, int, float, float) {
        bouton.setPicture(Chemin_programme + QStringLiteral("bouton_vide_noir.gif"));
    };
    bouton.MouseUp = [&bouton, image_relachee](int, int, float, float) {
        bouton.setPicture(Chemin_programme + image_relachee);
    };
}
}  // namespace

void Radio_FM::relier_ouverture_transport() {
    MenuItem* lect[] = {&lect1, &lect2, &lect3};
    MenuItem* lect_F[] = {&lect1_F, &lect2_F, &lect3_F};
    MenuItem* decharger[] = {&A_décharge_1, &A_décharge_2, &A_décharge_3};
    MenuItem* lire_item[] = {&lire_1, &lire_2, &lire_3};
    MenuItem* mix_item[] = {&Mix1, &Mix2, &Mix3};
    const Procedure pause[] = {&Radio_FM::HLBSoftBttn12_Click, &Radio_FM::HLBSoftBttn13_Click,
                               &Radio_FM::HLBSoftBttn14_Click};
    const Procedure info_garder[] = {&Radio_FM::HLBSoftBttn15_info_bulle, &Radio_FM::HLBSoftBttn16_info_bulle,
                                     &Radio_FM::HLBSoftBttn17_info_bulle};
    const Procedure lire_click[] = {&Radio_FM::lire_1_Click, &Radio_FM::lire_2_Click, &Radio_FM::lire_3_Click};
    const Procedure mix_click[] = {&Radio_FM::Mix1_Click, &Radio_FM::Mix2_Click, &Radio_FM::Mix3_Click};
    for (int n = 1; n <= 3; ++n) {
        const ControlesLecteur d = deck(n);
        d.ouvrir.Click = [this, n] { ouvrir_fichier(n); };
        d.ouvrir.DragDrop = [this, n] { deposer_depuis_gestionnaire(n); };
        d.ouvrir.OLEDragDrop = [this, n](const QStringList& f) { deposer_donnees(n, f); };
        presser(d.ouvrir, QStringLiteral("Open_noir.gif"));
        Image& ouvrir = d.ouvrir;
        d.ouvrir.MouseMove = [&ouvrir](int, int, float, float) {
            ouvrir.setToolTip(QStringLiteral("Chemin par défaut : ") + Chemin_dernier_fichier);
        };
        d.zap.Click = [this, n] {
            if (const Procedure zap = zap_choisi(n)) (this->*zap)();
        };
        presser(d.zap, QStringLiteral("bouton_fleche_noir.gif"));
        d.stop.Click = [this, n] { arreter_lecteur(n); };
        d.pause.Click = [this, p = pause[n - 1]] { (this->*p)(); };
        d.garde_volume.Click = [this, n] { garder_volume(n); };
        d.garde_volume.MouseOver = [this, p = info_garder[n - 1]] { (this->*p)(); };
        d.retour.Click = [this, n] { reculer(n); };
        d.avance.Click = [this, n] { avancer(n); };
        d.barre.MouseDown = [this, n](int, int, float x, float) { positionner(n, x); };
        d.barre.MouseMove = [this, n](int, int, float x, float) { info_bulle_barre(n, x); };
        lect[n - 1]->Click = [this, n] { charger_rapide(n, false); };
        lect_F[n - 1]->Click = [this, n] { charger_rapide(n, true); };
        decharger[n - 1]->Click = [this, n] { decharger_lecteur(n); };
        lire_item[n - 1]->Click = [this, p = lire_click[n - 1]] { (this->*p)(); };
        mix_item[n - 1]->Click = [this, p = mix_click[n - 1]] { (this->*p)(); };
    }
    HLBSoftBttn4.Click = [this] { HLBSoftBttn4_Click(); };
    HLBSoftBttn5.Click = [this] { HLBSoftBttn5_Click(); };
    Combo1.Click = [this] { Combo1_Click(); };
    Combo2.Click = [this] { Combo2_Click(); };
    Combo1.KeyPress = [this](int16_t& k) { Combo1_KeyPress(k); };
    Combo2.KeyPress = [this](int16_t& k) { Combo2_KeyPress(k); };
    Combo1.KeyUp = [this] { Combo1_KeyUp(); };
    cha.Click = [this] { cha_Click(); };
    char_F.Click = [this] { char_F_Click(); };
    lire_play.Click = [this] { lire_play_Click(); };
    liste_.Click = [this] { liste__Click(); };
    live_.Click = [this] { live__Click(); };
}

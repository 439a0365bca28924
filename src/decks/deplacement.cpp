// Moving within a deck's file: rewind and skip by steps, a click on the position bar, and the
// bar's tooltip.
#include "config/etat.h"
#include "platform/barre_position.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
// The percent of the bar under the pointer, rounded as the platform rounds.
int16_t pourcentage(float X) { return rt::CInt(double(X) * 100.0 / PositionBar::LargeurUtile); }

// The time left on the moved deck goes to the playlist window's time display.
void rafraichir(Radio_FM& f, const IMediaPosition& position) {
    const double c = position.CurrentPosition();
    const double d = position.Duration();
    duree_fichier = d - c;
    f.format_heure();
    Liste_son::instance().Label4.setCaption(duree_texte);
}
}  // namespace

void Radio_FM::reculer(int n) {
    try {
        const IMediaPosition& position = deck(n).lecteur.position;
        if (position.estNul()) return;
        if (pas_retour_rapide == 0) pas_retour_rapide = 0.2;
        const double p = position.CurrentPosition() - pas_retour_rapide;
        if (p < 0) return;
        position.setCurrentPosition(p);
        rafraichir(*this, position);
    } catch (const Erreur&) {
    }
}

void Radio_FM::avancer(int n) {
    try {
        const IMediaPosition& position = deck(n).lecteur.position;
        if (position.estNul()) return;
        if (pas_avance_rapide == 0) pas_avance_rapide = 10.0;
        const double p = position.CurrentPosition() + pas_avance_rapide;
        if (p > position.Duration()) return;
        position.setCurrentPosition(p);
        rafraichir(*this, position);
    } catch (const Erreur&) {
    }
}

void Radio_FM::positionner(int n, float X) {
    try {
        // Never beyond 90 % of the file.
        const int16_t k = std::min<int16_t>(pourcentage(X), 90);
        const IMediaPosition& position = deck(n).lecteur.position;
        if (position.estNul()) return;
        position.setCurrentPosition(k * position.Duration() / 100.0);
        rafraichir(*this, position);
    } catch (const Erreur&) {
    }
}

void Radio_FM::info_bulle_barre(int n, float X) {
    static const QString prefixes[] = {QStringLiteral("lecteur chargé (F8) avec : "),
                                       QStringLiteral(" lecteur chargé (F9) avec : "),
                                       QStringLiteral(" lecteur chargé (F11) avec : ")};
    const ControlesLecteur d = deck(n);
    d.barre.setToolTip(prefixes[n - 1] + d.chemin);
    if (d.barre.Value() != 0) d.barre.setCaption(QString::number(pourcentage(X)) + QStringLiteral("%"));
}

void Radio_FM::HLBSoftBttn18_Click() { reculer(1); }
void Radio_FM::HLBSoftBttn19_Click() { reculer(2); }
void Radio_FM::HLBSoftBttn20_Click() { reculer(3); }
void Radio_FM::ReyCommand1_Click() { avancer(1); }
void Radio_FM::ReyCommand2_Click() { avancer(2); }
void Radio_FM::ReyCommand3_Click() { avancer(3); }
void Radio_FM::picProgBack_positionner(int, int, float X, float) { positionner(1, X); }
void Radio_FM::picProgBack1_positionner(int, int, float X, float) { positionner(2, X); }
void Radio_FM::picProgBack2_positionner(int, int, float X, float) { positionner(3, X); }
void Radio_FM::picProgBack_info_bulle(int, int, float X, float) { info_bulle_barre(1, X); }
void Radio_FM::picProgBack1_info_bulle(int, int, float X, float) { info_bulle_barre(2, X); }
void Radio_FM::picProgBack2_info_bulle(int, int, float X, float) { info_bulle_barre(3, X); }

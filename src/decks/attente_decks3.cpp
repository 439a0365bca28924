// Stand-ins for procedures of the neighbouring deck, list and mode features that the open,
// transport and quick-load handlers call, until those features land.
#include "config/etat.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/reglages.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::nom_du_fich() {
    try {
        const int p = std::max(chemin_fichier_charge.lastIndexOf(QLatin1Char('/')),
                               chemin_fichier_charge.lastIndexOf(QLatin1Char('\\')));
        nom_fichier_affiche = rt::Trim(chemin_fichier_charge.mid(p + 1));
        nom_fichier_affiche = rt::Left(nom_fichier_affiche, int(nom_fichier_affiche.size()) - 4);
        extension_fichier = chemin_fichier_charge.right(3).toLower();
    } catch (const Erreur&) {
    }
}

void Radio_FM::formate_nom() {
    if (nom_fichier_affiche.size() >= 23) nom_fichier_affiche = (nom_fichier_affiche.left(23) + QStringLiteral(" ...")).toLower();
}

void Radio_FM::ecrire_path_fichier() {
    const QString source = fichier_depose != Faux ? chemin_fichier_depose : Dialogue1.FileName;
    Chemin_dernier_fichier = rt::Trim(source.left(source.lastIndexOf(QLatin1Char('/')) + 1));
    reglages::ecrire(QStringLiteral("Sonavel V5"), QStringLiteral("Config"), QStringLiteral("Chemin_dernier_fichier"),
                     Chemin_dernier_fichier);
}

void Radio_FM::format_heure() {
    const int s = rt::CInt(duree_fichier);
    duree_texte = QStringLiteral("%1:%2:%3")
                      .arg(s / 3600, 2, 10, QLatin1Char('0'))
                      .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                      .arg(s % 60, 2, 10, QLatin1Char('0'));
}

void Radio_FM::manuel_mix() {
    Timer1.setEnabled(false);
    coche4.setValue(0);
}

void Radio_FM::select_bouton() {}

namespace {
void appliquer_volume(const ControlesLecteur& d) {
    try {
        d.lecteur.audio.setVolume(-200 * d.volume.value());
    } catch (const Erreur&) {
    }
}
void basculer_pause(const ControlesLecteur& d) {
    try {
        if (d.lecteur.graphe.GetState(0) == etat_graphe::EnLecture)
            d.lecteur.graphe.Pause();
        else
            d.lecteur.graphe.Run();
    } catch (const Erreur&) {
    }
}
}  // namespace

void Radio_FM::AdjustVolume() { appliquer_volume(deck(1)); }
void Radio_FM::AdjustVolume1() { appliquer_volume(deck(2)); }
void Radio_FM::AdjustVolume2() { appliquer_volume(deck(3)); }
void Radio_FM::vol_pour_stop() {}
void Radio_FM::stop_play1() {}
void Radio_FM::stop_play2() {}
void Radio_FM::stop_play3() {}
void Radio_FM::A_pause() { basculer_pause(deck(1)); }
void Radio_FM::A_pause_1() { basculer_pause(deck(2)); }
void Radio_FM::A_pause_2() { basculer_pause(deck(3)); }
void Radio_FM::zap1() {}
void Radio_FM::zap2() {}
void Radio_FM::zap3() {}
void Radio_FM::zap11() {}
void Radio_FM::zap12() {}
void Radio_FM::zap13() {}
void Radio_FM::A_sauve() {}

namespace {
void charger(Radio_FM& f, int n) {
    const ControlesLecteur d = f.deck(n);
    d.lecteur.graphe = FilgraphManager::creer();
    d.lecteur.position = d.lecteur.graphe;
    d.lecteur.audio = d.lecteur.graphe;
    d.chemin = rt::Trim(enreg_destinataire.chemin);
}
}  // namespace

void Radio_FM::charge_1() { charger(*this, 1); }
void Radio_FM::charge_2() { charger(*this, 2); }
void Radio_FM::charge_3() { charger(*this, 3); }
void Radio_FM::charge_1_F() { charger(*this, 1); }
void Radio_FM::charge_2_F() { charger(*this, 2); }
void Radio_FM::charge_3_F() { charger(*this, 3); }
void Radio_FM::stoppe_list() {}
void Radio_FM::coche2_Click() {}
void Radio_FM::Command3_Click() {}
void Radio_FM::Command4_Click() {}
void Radio_FM::Command6_Click() {}
void Radio_FM::HLBSoftBttn8_Click() {}
void Radio_FM::HLBSoftBttn6_Click() {}
void Radio_FM::HLBSoftBttn7_Click() {}
void Radio_FM::Image12_Click() {}
void Liste_son::Option1_Click() {}

// Temporary definitions of procedures that deck playback calls and that other work provides
// (journal, time display, file names, stored volume, transport buttons, menu bar). Each does
// the least the callers rely on; the real ones replace this file.
#include <QFile>
#include <QMenuBar>

#include "config/etat.h"
#include "platform/chemins.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::journal() {
    QFile f(programme::dossier() + QStringLiteral("journal.doc"));
    if (f.open(QIODevice::Append)) f.write((ligne_journal + QStringLiteral("\r\n")).toUtf8());
}

void Radio_FM::format_heure() {
    const int s = rt::CInt(duree_fichier);
    duree_texte = QStringLiteral("%1:%2:%3")
                      .arg(s / 3600, 2, 10, QLatin1Char('0'))
                      .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                      .arg(s % 60, 2, 10, QLatin1Char('0'));
}

void Radio_FM::nom_du_fich() {
    const QString nom = chemin_fichier_charge.mid(
        std::max(chemin_fichier_charge.lastIndexOf('/'), chemin_fichier_charge.lastIndexOf('\\')) + 1).trimmed();
    if (nom.size() < 4) {
        nom_fichier_affiche = nom;
        return;
    }
    nom_fichier_affiche = nom.left(nom.size() - 4);
    extension_fichier = chemin_fichier_charge.right(3).toLower();
}

void Radio_FM::formate_nom() {
    if (nom_fichier_affiche.size() >= 23) nom_fichier_affiche = (nom_fichier_affiche.left(23) + " ...").toLower();
}

namespace {
void volume_stocke(Radio_FM& f, int n) {
    ControlesLecteur d = f.deck(n);
    try {
        if (f.coche2.Value() || d.lecteur.graphe.estNul()) return;
        const int16_t niveau = enreg_destinataire.volume;
        if (niveau != 0) d.volume.setValue(rt::CInt(d.volume.Max() / (-4000.0 / niveau)));
        d.lecteur.audio.setVolume(niveau == 0 ? 0 : -200 * d.volume.Value());
    } catch (const Erreur&) {
    }
}
}  // namespace

void Radio_FM::A_lire_volume() { volume_stocke(*this, 1); }
void Radio_FM::A_lire_volume1() { volume_stocke(*this, 2); }
void Radio_FM::A_lire_volume2() { volume_stocke(*this, 3); }

void Radio_FM::vol_pour_mix_spc() {
    if (lecteur_en_cours < 1 || lecteur_en_cours > 3) return;
    ::Slider& s = deck(lecteur_en_cours).volume;
    valeur_slider_sauve(lecteur_en_cours) = int16_t(s.Value());
    s.setValue(s.Value() + Mix_audio_attenuation);
}

void Radio_FM::vol_pour_stop() {
    if (lecteur_en_cours < 1 || lecteur_en_cours > 3) return;
    deck(lecteur_en_cours).volume.setValue(valeur_slider_sauve(lecteur_en_cours));
}

void Radio_FM::HLBSoftBttn12_Click() { A_pause(); }
void Radio_FM::HLBSoftBttn13_Click() { A_pause_1(); }
void Radio_FM::HLBSoftBttn14_Click() { A_pause_2(); }

void Radio_FM::Form_DblClick() {
    if (barre_menus()) barre_menus()->setVisible(true);
}

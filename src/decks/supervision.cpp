// The supervision tick: where the deck on air stands, the hand-over to the next deck of the
// ring at the mix point in deck-to-deck mix, the end of a jingle mixed over the deck on air,
// and the position bars in manual mode.
#include <QApplication>

#include "automation/avis.h"
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"
#include "windows/mini_lecteur.h"

using namespace Radio;

namespace {
const QString ChargementRapide = QStringLiteral("Chargement rapide");
}

void Radio_FM::Timer2_Timer() {
    const avis::DansUnTic tic;
    try {
        decks::ecrire_separateurs(*this);
        if (lecture_gestionnaire != Faux || lecture_liste_auto != Faux) return;

        if (!a_mode_manuel.Checked()) {
            if (Active_audio_jingles.Checked()) {
                // Jingles play over the deck on air: watch their decks only. The level of the
                // deck on air comes back when the last of them has ended.
                Active_audio_zapping.setChecked(false);
                bool en_cours = false;
                bool fini = false;
                for (int k = 1; k <= 3; ++k) {
                    if (k == lecteur_en_cours || drapeau_mix_special(k) == 0) continue;
                    ControlesLecteur j = deck(k);
                    if (!mix_special_termine(k)) {
                        j.barre.setValue(decks::secondes_entieres(j.lecteur.position.CurrentPosition()));
                        en_cours = true;
                        continue;
                    }
                    j.barre.setValue(0);
                    j.barre.setCaption(QString());
                    j.mix_special.setEnabled(true);
                    drapeau_mix_special(k) = 0;
                    fini = true;
                }
                if (en_cours) return;
                if (fini) {
                    if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3)
                        deck(lecteur_en_cours).volume.setValue(valeur_slider_sauve(lecteur_en_cours));
                } else {
                    Label10.setCaption(ChargementRapide);
                }
                Active_audio_jingles.setChecked(false);
                Active_audio_zapping.setChecked(true);
                return;
            }

            const int d = lecteur_en_cours;
            int m = 0;
            if (d >= 1 && d <= 3) {
                ControlesLecteur c = deck(d);
                const int16_t p = decks::secondes_entieres(c.lecteur.position.CurrentPosition());
                Label5.setCaption(QString::number(p));
                c.barre.setValue(p);
                if (p == prechargement_en_cours) c.zap.setEnabled(true);
                if (p != 0)
                    mini_lecteur::instance().Label1.setText(
                        QString::number(decks::secondes_entieres(c.lecteur.position.Duration()) - p));
                m = rt::CInt(c.duree.Caption()) - superposition;
            } else {
                Label10.setCaption(ChargementRapide);
            }
            if (m <= 0) return;

            if (coche2.Value()) {
                const QString numero = QString::number(d);
                Label10.setCaption(QStringLiteral(" Mix lecteur : Play ") + numero);
                // The record of the hand-over begins with this line; the next deck's play
                // adds its own lines and writes it.
                ligne_journal = QStringLiteral("Mix lecteur : Play") + numero;
                Label7.setCaption(QStringLiteral("Play ") + numero + QStringLiteral(" : player mix a ") +
                                  QString::number(m));
                ControlesLecteur c = deck(d);
                const bool fin_barre = c.barre.Percent() == 100;
                // Reached or passed: a position on a half second may round past the mix second.
                const bool point_mix = passage_fait != d && rt::CInt(Label5.Caption()) >= m;
                if (!fin_barre && !point_mix) {
                    Liste_son::instance().Label11.setCaption(QStringLiteral("Play ") + numero +
                                                             QStringLiteral(" Mix lecteur"));
                    return;
                }
                // No tick may run while the next deck starts.
                Timer2.setInterval(0);
                c.titre.setCaption(QStringLiteral(" - En attente"));
                commande_play(lecteur_suivant(d));
                passage_fait = int16_t(d);
                Timer2.setInterval(Valeur_vitesse_timer);
                // The tick ends here whatever the new overlap: a hand-over never leads
                // straight into another.
                return;
            }
        }

        // Manual display.
        Label7.setCaption(Désactive_audio.Checked() ? QStringLiteral("Fondu audio désactivé")
                                                    : QStringLiteral("Mode manuel"));
        for (int n = 1; n <= 3; ++n) {
            ControlesLecteur c = deck(n);
            if (c.lecteur.position.estNul()) return;
            if (!c.chemin.isEmpty()) c.barre.setValue(decks::secondes_entieres(c.lecteur.position.CurrentPosition()));
        }
    } catch (const Erreur& e) {
        // The description is taken before anything else runs, so the message names the fault.
        const QString description = e.description();
        try {
            while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
            if (Liste_son::existe()) {
                Liste_son::instance().setWindowState(Qt::WindowNoState);
                Liste_son::decharger();
            }
            Timer2.setEnabled(false);
            stoppe_liste();
            signaler_erreur_tick(QStringLiteral("T2"), description);
            Form_DblClick();
        } catch (const Erreur&) {
            // Never out of a timer tick.
        }
    }
}

void Radio_FM::signaler_erreur_tick(const QString& minuterie, const QString& description) {
    err_form& f = err_form::instance();
    f.setCaption(QStringLiteral("ATTENTION ERREUR"));
    const QString& s = saut_ligne;
    ligne_journal = QStringLiteral("ATTENTION ERREUR ! ") + minuterie + s +
                    QStringLiteral("FICHIER NON TROUVEE , NON AUDIO ou ") + s + description + s +
                    QStringLiteral("SI LISTE EN COURS : ARRETEE") + s +
                    QStringLiteral("Tapez F2 dans le cas de lecture de liste") + s + QStringLiteral("Revoir la sélection");
    f.Label1.setCaption(ligne_journal);
    f.Show();
}

bool Radio_FM::mix_special_termine(int n) {
    ControlesLecteur j = deck(n);
    // A jingle stopped or unloaded by hand has ended as well: watched to its last second it
    // would hold the hand-over off for good.
    if (j.lecteur.graphe.estNul() || j.lecteur.position.estNul() ||
        j.lecteur.graphe.GetState(0) == etat_graphe::Arrete)
        return true;
    return decks::secondes_entieres(j.lecteur.position.CurrentPosition()) >=
           decks::secondes_entieres(j.lecteur.position.Duration());
}

bool Radio_FM::mix_special_sonore(int n) {
    if (n == lecteur_en_cours || drapeau_mix_special(n) == 0 || mix_special_termine(n)) return false;
    return deck(n).lecteur.graphe.GetState(0) == etat_graphe::EnLecture;
}

bool Radio_FM::mix_special_sonore() {
    for (int k = 1; k <= 3; ++k)
        if (mix_special_sonore(k)) return true;
    return false;
}

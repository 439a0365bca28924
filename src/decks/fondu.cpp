// The fade-out of the outgoing deck after a zap: 10 hundredths of a decibel lower per tick,
// its slider following, then stopped and released once the new deck has played Mix_audio
// seconds.
#include "automation/avis.h"
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"
#include "windows/mini_lecteur.h"

using namespace Radio;

namespace {
constexpr int32_t Silence = -4000;
constexpr int32_t PasFondu = 10;
}  // namespace

void Radio_FM::Timer3_Timer() {
    const avis::DansUnTic tic;
    try {
        if (Désactive_audio.Checked()) {
            Pas_demix_audio();
            return;
        }
        const int n = lecteur_en_cours;
        if (n < 1 || n > 3) return;
        ControlesLecteur nouveau = deck(n);
        ControlesLecteur sortant = deck(lecteur_precedent(n));
        Label5.setCaption(QString::number(decks::secondes_entieres(nouveau.lecteur.position.CurrentPosition())));
        const int16_t fin = rt::CInt(double(seconde_debut_fondu) + Mix_audio);
        // A deck released during the fade has nothing left to lower or stop.
        const bool a_un_graphe = !sortant.lecteur.graphe.estNul();

        if (a_un_graphe && (Active_audio_zapping.Checked() || Active_audio.Checked())) {
            try {
                const int32_t v = sortant.lecteur.audio.Volume();
                if (v > Silence) {
                    sortant.lecteur.audio.setVolume(v - PasFondu);
                    const double r = double(Silence) / sortant.lecteur.audio.Volume();
                    sortant.volume.setValue(rt::CLng(sortant.volume.Max() / r));
                }
            } catch (const Erreur&) {
                // A deck without sound (a silent video) has nothing to lower; the fade still
                // counts its seconds and ends.
            }
        }

        // The fade ends once the new deck's second reaches the end second or has passed it
        // (a seek past it, or a start second left from an earlier fade).
        if (rt::CInt(Label5.Caption()) < fin) return;
        terminer_fondu();
    } catch (const Erreur& e) {
        ligne_journal = programme::nom() + QStringLiteral(" ") + e.description() + QStringLiteral(" N° ") +
                        QString::number(e.numero());
        err_form::instance().Label1.setCaption(ligne_journal);
        ligne_journal += saut_ligne + QStringLiteral(" ") + rt::Time();
        if (Active_journal.Checked()) journal();
        ligne_journal.clear();
    }
}

void Radio_FM::terminer_fondu() {
    const int n = lecteur_en_cours;
    Timer3.setInterval(0);
    if (n < 1 || n > 3) return;
    ControlesLecteur nouveau = deck(n);
    ControlesLecteur sortant = deck(lecteur_precedent(n));
    const bool a_un_graphe = !sortant.lecteur.graphe.estNul();
    sortant.titre.setCaption(QStringLiteral(" - En attente"));
    if (a_un_graphe) {
        try {
            sortant.lecteur.graphe.Stop();
        } catch (const Erreur&) {
            // Released below all the same.
        }
    }
    sortant.barre.setValue(0);
    sortant.duree.setCaption(QStringLiteral("0"));
    sortant.defilement.setEnabled(false);  // the deck no longer plays
    Label7.setCaption(decks::ligne_etat());
    sortant.zap.setEnabled(false);
    nouveau.zap.setEnabled(true);
    sortant.volume.setValue(0);
    Liste_son& l = Liste_son::instance();
    l.Image2.setEnabled(true);
    l.Label12.setCaption(QStringLiteral("Zapping autorisé"));
    mini_lecteur::instance().Command2.setEnabled(true);
    // In manual mode the outgoing deck keeps its file.
    if (!a_mode_manuel.Checked() && a_un_graphe) decks::liberer(sortant.lecteur);
}

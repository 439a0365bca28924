// The list chaining: each tick follows the deck on air and, at its mix point or at the end of
// the track, starts the next entry of the list on the next deck of the ring: at once for a
// short track, through a list zap with a fade for a longer one. Also the play-over watch of a
// jingle mixed over the deck on air, and the file check of an entry about to be played.
#include "automation/choix_entree.h"
#include "automation/entree_disque.h"
#include "automation/avis.h"
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/chaines.h"
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

void Radio_FM::Timer4_Timer() {
    const avis::DansUnTic tic;
    decks::ecrire_separateurs(*this);
    try {
        if (Active_audio_jingles.Checked()) {
            // A jingle plays over the deck on air: only its end is watched.
            const int s = lecteur_superpose;
            if (s >= 1 && s <= 3) {
                ControlesLecteur j = deck(s);
                j.barre.setValue(decks::secondes_entieres(j.lecteur.position.CurrentPosition()));
                if (decks::secondes_entieres(j.lecteur.position.CurrentPosition()) !=
                    decks::secondes_entieres(j.lecteur.position.Duration()))
                    return;
                j.barre.setValue(0);
                j.mix_special.setEnabled(true);
                if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3)
                    deck(lecteur_en_cours).volume.setValue(valeur_slider_sauve(lecteur_en_cours));
            } else {
                Label10.setCaption(ChargementRapide);
            }
            Active_audio_jingles.setChecked(false);
            return;
        }
        if (lecture_gestionnaire == Vrai) return;

        Liste_son& l = Liste_son::instance();
        const QString numero = QString::number(lecteur_en_cours);
        l.Label13.setCaption(rt::Time());
        Label10.setCaption(QStringLiteral(" Mix liste : Play ") + numero);
        Label7.setCaption(QStringLiteral("Play ") + numero + QStringLiteral(" : liste mix a ") + seconde_mix_liste);
        const int n = lecteur_en_cours;
        if (n < 1 || n > 3) {
            element_courant = nullptr;
            return;
        }
        const int m = lecteur_suivant(n);
        ControlesLecteur c = deck(n);
        const int16_t p = decks::secondes_entieres(c.lecteur.position.CurrentPosition());
        l.Label3.setCaption(QStringLiteral("( ") + QString::number(p) + QStringLiteral(" / ") +
                            QString::number(rt::CInt(c.duree.Caption()) - superposition) + QStringLiteral(" )"));
        const int16_t position = decks::secondes_entieres(c.lecteur.position.CurrentPosition());
        mini_lecteur::instance().Label1.setText(
            QString::number(decks::secondes_entieres(c.lecteur.position.Duration()) - position));
        Label5.setCaption(QString::number(position));
        c.barre.setValue(position);

        const int32_t duree = rt::CInt(c.duree.Caption());
        const bool fin_barre = c.barre.Percent() == 100;
        if (!fin_barre) seconde_mix_liste = QString::number(duree - superposition);
        switch (choix::bascule(duree, rt::CInt(Label5.Caption()), superposition, valeur_max_jingles, fin_barre)) {
        case choix::Bascule::Attendre:
            return;
        case choix::Bascule::Effacer:
            element_courant = nullptr;
            return;
        case choix::Bascule::Zap: {
            superposition = Mix;
            Timer1.setEnabled(true);
            Timer3.setEnabled(true);
            zapper_liste(n);
            return;
        }
        case choix::Bascule::Jingle:
            // No fade runs over the change-over of a short track; one still running from a
            // zap ends now, so its outgoing deck does not play on at a frozen level.
            if (Timer3.Enabled() && Timer3.Interval() != 0) terminer_fondu();
            Timer3.setEnabled(false);
            if (ordre_aleatoire == Faux) index_liste_en_cours += 1;
            break;
        case choix::Bascule::FinPiste:
            if (ordre_aleatoire == Faux) {
                index_liste_en_cours += 1;
            } else {
                const QString tag = QStringLiteral(" - B") + QString::number(m);
                tirer_sans_repetition(tag + QStringLiteral(" Nul"), tag + QStringLiteral(" Ok"));
            }
            break;
        }

        // The next playable row from here on.
        auto lire_ligne = [&] {
            index_liste_en_cours = choix::boucler(index_liste_en_cours, l.ListView1.ListCount());
            chemin_entree_liste = l.ListView1.ListItem(index_liste_en_cours)->text(0);
        };
        auto suivante = [&] {
            index_liste_en_cours += 1;
            lire_ligne();
        };
        lire_ligne();
        charger_entree_jouable(m, [&] { chercher_entree_jouable(suivante); }, suivante);
        jouer(m);
        c.titre.setCaption(QStringLiteral(" - En attente"));
        l.Image2.setEnabled(true);
        l.Label12.setCaption(QStringLiteral("Zapping autorisé"));
        mini_lecteur::instance().Command2.setEnabled(true);
        l.ListView1.EnsureVisible(element_courant);
        l.ListView1.setSelectedItem(element_courant);
        Timer1.setEnabled(true);
    } catch (const Erreur& e) {
        const QString description = e.description();
        try {
            Timer4.setEnabled(false);
            stoppe_liste();
            signaler_erreur_tick(QStringLiteral("T4"), description);
        } catch (const Erreur&) {
            // Never out of a timer tick.
        }
    }
}

void Radio_FM::chercher_entree_jouable(const std::function<void()>& suivante) {
    Liste_son& l = Liste_son::instance();
    choix::Passe passe;
    for (;;) {
        const int32_t lignes = l.ListView1.ListCount();
        detecte_fichier_liste();
        const int32_t restantes = l.ListView1.ListCount();
        if (!choix::a_sauter(chemin_entree_liste, dernier_chemin_liste, restantes)) return;
        // A missing file left the list: the rows after it moved up.
        if (restantes < lignes) passe.recommencer();
        if (!passe.encore(index_liste_en_cours, restantes)) throw Erreur(5, choix::aucune_entree());
        suivante();
    }
}

void Radio_FM::charger_entree_jouable(int n, const std::function<void()>& chercher,
                                       const std::function<void()>& suivante) {
    Liste_son& l = Liste_son::instance();
    // Each failed load removes a row, so the list runs out before this loops for ever.
    for (;;) {
        chercher();
        element_courant = l.ListView1.ListItem(index_liste_en_cours);
        num_enreg_destinataire = index_liste_en_cours;
        l.lire_enreg_destinataire();
        erreur_chargement_liste = Faux;
        charger_liste(n);
        if (erreur_chargement_liste != Vrai) return;
        erreur_chargement_liste = Faux;
        ControlesLecteur d = deck(n);
        decks::liberer(d.lecteur);
        d.chemin.clear();
        retirer_entree_liste();
        suivante();
    }
}

void Radio_FM::detecte_fichier_liste() {
    decks::ecrire_separateurs(*this);
    const QString& b = double_saut;
    auto non_trouve = [&] {
        err_form& f = err_form::instance();
        f.Label1.setCaption(QStringLiteral("Recherche de fichier") + b + chemin_entree_liste + saut_ligne +
                            QStringLiteral("Ce fichier est NON TROUVE !"));
        f.Show();
        chemin_entree_liste.clear();
    };
    try {
        Text2.setText(chemin_entree_liste);
        const QString chemin = rt::Trim(chemin_entree_liste);
        if (choix::chemin_reseau(chemin)) return;
        QString dossier;
        const std::optional<QString> fichier = entree_disque::chercher(chemin, dossier);
        // A bare name names no folder: it goes on as it is.
        if (!fichier) return;
        if (fichier->isEmpty()) {
            retirer_ligne_en_cours();
            err_form& f = err_form::instance();
            f.Label1.setCaption(QStringLiteral("Recherche de fichier valide ") + b + chemin_entree_liste + b +
                                QStringLiteral("Ce fichier est non trouvé ou non valide !") + saut_ligne +
                                QStringLiteral("Il a été supprimé de la liste."));
            f.Show();
            chemin_entree_liste.clear();
            return;
        }
        Text2.setText(dossier);
        chemin_entree_liste = *fichier;
    } catch (const Erreur&) {
        non_trouve();
    }
}

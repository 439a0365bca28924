// Playing a deck: a fresh graph for the deck's file, the entry's volume and start point, the
// overlap for the new file, every caption that names the file on air, and outside manual mode
// the journal record and the hand-on of the ring.
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/liste.h"
#include "windows/mini_lecteur.h"

using namespace Radio;

void Radio_FM::play1() { jouer(1); }
void Radio_FM::play2() { jouer(2); }
void Radio_FM::play3() { jouer(3); }

int16_t& Radio_FM::drapeau_mix_special(int n) {
    int16_t* f[] = {&mix_special1, &mix_special2, &mix_special3};
    if (n < 1 || n > 3) throw Erreur(err::IndiceHorsLimites);
    return *f[n - 1];
}

int16_t& Radio_FM::valeur_slider_sauve(int n) {
    int16_t* f[] = {&slider_sauve1, &slider_sauve2, &slider_sauve3};
    if (n < 1 || n > 3) throw Erreur(err::IndiceHorsLimites);
    return *f[n - 1];
}

void Radio_FM::jouer(int n) {
    ControlesLecteur d = deck(n);
    // A deck whose bar has moved is already running.
    if (d.barre.Value() > 0) return;
    // Any graph the deck held (the one a load built to measure the file) goes here.
    decks::nouveau_graphe(d.lecteur);
    decks::ecrire_separateurs(*this);
    try {
        if (d.chemin.isEmpty()) return;
        const bool manuel = a_mode_manuel.Checked();
        if (coche2.Value()) d.zap.setEnabled(true);
        if (!manuel) {
            reinitialiser_affichage(lecteur_precedent(n));
            // A deck that plays on through the overlap keeps its title moving.
            ControlesLecteur precedent = deck(lecteur_precedent(n));
            if (!precedent.lecteur.graphe.estNul() &&
                precedent.lecteur.graphe.GetState(0) == etat_graphe::EnLecture)
                precedent.defilement.setEnabled(true);
            for (int autre = 1; autre <= 3; ++autre) {
                if (autre == n) continue;
                deck(autre).lire.setEnabled(false);
                deck(autre).zap.setEnabled(false);
            }
            d.zap.setEnabled(true);
        }
        d.lire.setEnabled(true);
        d.ouvrir.setEnabled(false);
        lecteur_en_cours = int16_t(n);
        if (passage_fait == n) passage_fait = 0;  // a new track: its own hand-over to come
        d.lecteur.graphe.RenderFile(d.chemin);
        void (Radio_FM::*volume_stocke[])() = {&Radio_FM::A_lire_volume, &Radio_FM::A_lire_volume1,
                                               &Radio_FM::A_lire_volume2};
        (this->*volume_stocke[n - 1])();
        // In deck-to-deck mix the stored volume is not applied: the fresh graph still plays at
        // the level its slider shows, so what is heard is what is shown.
        if (coche2.Value()) {
            try {
                if (d.lecteur.audio.Volume() != -200 * d.volume.Value())
                    d.lecteur.audio.setVolume(-200 * d.volume.Value());
            } catch (const Erreur&) {
                // A file without sound (a silent video) plays with no level to read or set.
            }
        }

        if (lecture_liste_auto == Vrai) {
            if (jingle_auto_actif == Vrai) compteur_jingle_auto = decks::plus_un(compteur_jingle_auto);
            if (new_auto_actif == Vrai) compteur_new_auto = decks::plus_un(compteur_new_auto);
            if (const auto texte = decks::duree_de_liste(d.lecteur.position.Duration())) d.duree.setCaption(*texte);
            Timer2.setEnabled(false);
            Timer1.setEnabled(true);
        } else if (lecture_liste_auto == Faux) {
            d.duree.setCaption(QString::number(rt::CInt(d.lecteur.position.Duration())));
            Timer2.setEnabled(true);
            Timer1.setEnabled(true);
            if (n == 1) Timer2.setInterval(Valeur_vitesse_timer);
        }
        Timer1.setEnabled(true);
        d.defilement.setEnabled(true);

        duree_fichier = d.lecteur.position.Duration();
        format_heure();
        Liste_son::instance().Label4.setCaption(duree_texte);
        if (duree_fichier >= 1.0) {
            d.barre.setMax(rt::CInt(duree_fichier));
            d.lecteur.position.setCurrentPosition(enreg_destinataire.debut_lecture);
        }
        Choix_mix();
        deck(lecteur_suivant(n)).volume.setValue(0);
        d.lecteur.graphe.Run();
        // Deck 1 set the supervision interval above, in free mode only; decks 2 and 3 always.
        if (n != 1) Timer2.setInterval(Valeur_vitesse_timer);
        valeur_slider_sauve(n) = int16_t(d.volume.Value());

        Liste_son& l = Liste_son::instance();
        l.Label1.setCaption(QStringLiteral("En cours index N° : (") + QString::number(index_liste_en_cours) +
                            QStringLiteral(")"));
        if (ecoute_en_cours == Faux) num_enreg_courant = index_liste_en_cours;
        chemin_fichier_charge = coche2.Value() ? d.chemin : chemin_entree_liste;
        nom_du_fich();
        setCaption(Nom_radio_fm + QStringLiteral(" : ") + nom_fichier_affiche);
        l.setCaption(nom_fichier_affiche);
        formate_nom();
        d.titre.setCaption(QStringLiteral(" - ") + nom_fichier_affiche);
        mini_lecteur::instance().setCaption(nom_fichier_affiche);
        l.Label2.setCaption(nom_fichier_affiche);
        if (decks::extension_video_lecture(extension_fichier)) {
            d.lecteur.video = d.lecteur.graphe;
            d.lecteur.video.setCaption(nom_fichier_affiche);
        }
        // A count that wraps: a program left running for weeks never stops playing on it.
        nb_fichiers_joues = nb_fichiers_joues == INT32_MAX ? 1 : nb_fichiers_joues + 1;
        Shape* marqueurs[] = {&Shape1, &Shape2, &Shape3};
        for (int i = 1; i <= 3; ++i) marqueurs[i - 1]->setVisible(i == n);
        Label7.setCaption(decks::ligne_etat());
        drapeau_mix_special(n) = 0;

        if (manuel) return;
        // With mixing off the deck before this one stops now (the same for the three decks).
        if (Désactive_audio.Checked()) Pas_demix_audio();
        ligne_journal += saut_ligne + QStringLiteral("Nb_de_fichier_écouté ") + QString::number(nb_fichiers_joues);
        ligne_journal += saut_ligne + rt::Time() + QStringLiteral(" Lecture de ") + d.chemin + QStringLiteral(" (") +
                         QString::number(index_liste_en_cours) + QStringLiteral(")");
        if (journal_actif != Faux) journal();
        ligne_journal.clear();
        // The next deck is emptied for the sequencer, which loads it afresh.
        decks::liberer(deck(lecteur_suivant(n)).lecteur);
        dernier_chemin_liste = chemin_entree_liste;
        entree_tiree_au_hasard = Faux;
        info_entree_a_afficher = Faux;
        liste::instance().Label11.setCaption(QStringLiteral("Info fichier chargé"));
    } catch (const Erreur&) {
        d.zap.setEnabled(false);
        decks::liberer(d.lecteur);
    }
}

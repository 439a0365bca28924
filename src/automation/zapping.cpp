// Zapping: the next deck of the ring starts at once and the outgoing deck fades out. The plain
// zaps hand over to the file already on the next deck, or in list mix to the next entry of the
// list; in the predefined mode with continuous play they refuse a track played 30 s or less
// and keep the cut as the entry's end. The list zaps choose the next entry by the play order,
// load it and start it.
#include <QFileInfo>

#include "automation/avis.h"
#include "automation/choix_entree.h"
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/boites.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "playlist/fichier_liste.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
// A track must have played more than this before a zap may cut it in the predefined mode.
constexpr int16_t JoueMinimum = 30;
}  // namespace

void Radio_FM::zap1() { zapper(1); }
void Radio_FM::zap2() { zapper(2); }
void Radio_FM::zap3() { zapper(3); }
void Radio_FM::zap11() { zapper_liste(1); }
void Radio_FM::zap12() { zapper_liste(2); }
void Radio_FM::zap13() { zapper_liste(3); }

void Radio_FM::zapping() {
    Liste_son& l = Liste_son::instance();
    try {
        const Procedure zaps[] = {&Radio_FM::zap1, &Radio_FM::zap2, &Radio_FM::zap3};
        if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3) {
            try {
                (this->*zaps[lecteur_en_cours - 1])();
            } catch (const Erreur&) {
            }
            l.Image2.setEnabled(false);
            return;
        }
        MsgBox(QStringLiteral("Aucune lecture en cours"), boites::Information);
        l.Image2.setEnabled(true);
        l.Label12.setCaption(QStringLiteral("Zapping autorisé"));
    } catch (const Erreur&) {
    }
}

void Radio_FM::noter_fin_zap(int16_t secondes) {
    Liste_son& l = Liste_son::instance();
    // The entry on air left the list: there is nothing to note the cut in.
    if (num_enreg_courant < 1 || num_enreg_courant > l.ListView1.ListCount()) return;
    // Like the other writers of one record: an imported list of the older format would be
    // broken by a record of this one. The zap itself goes on.
    if (!fichier_liste::est_dfm(chemin_liste)) {
        avis::message(fichier_liste::refus_hors_dfm(), boites::Exclamation);
        return;
    }
    // The file does not hold the rows shown (its last save failed, already said): record
    // numbers of the view would name other entries of it.
    if (l.sauvegarde_en_echec) return;
    programme::aller_au_dossier();
    num_enreg_destinataire = num_enreg_courant;
    l.lire_enreg_destinataire();
    // The record of the file that holds the entry shown (the view may hold fewer rows than the
    // file under the do-not-save option).
    const int numero = fichier_liste::numero_de(chemin_liste, num_enreg_courant, enreg_destinataire.chemin);
    if (numero == 0) return;
    convertir_valeur_son_ecriture();
    TypeEnregListe e = enreg_destinataire;
    e.fin_lecture = QString::number(secondes);
    fichier_liste::ecrire_enregistrement(chemin_liste, numero, e);
    l.charge_liste();
}

void Radio_FM::reprendre_au_hasard() {
    if (entree_tiree_au_hasard == Vrai) {
        entree_tiree_au_hasard = Faux;
    } else if (entree_tiree_au_hasard == Faux) {
        tirer_sans_repetition(QStringLiteral(" - Zapping Trouvé Nul"), QStringLiteral(" - Zapping Pas Trouvé Ok"));
    } else {
        return;
    }
    Liste_son& l = Liste_son::instance();
    index_liste_en_cours = choix::boucler(index_liste_en_cours, l.ListView1.ListCount());
    chemin_entree_liste = l.ListView1.ListItem(index_liste_en_cours)->text(0);
}

void Radio_FM::lancer_fondu() {
    // A short-track change-over may have switched the fade tick off: the interval alone would
    // leave the outgoing deck at full level under the new one.
    Timer3.setInterval(Mix_audio_vitesse);
    Timer3.setEnabled(true);
}

void Radio_FM::zapper(int depuis, bool noter_debut_fondu) {
    const int n = lecteur_suivant(depuis);
    ControlesLecteur entrant = deck(n);
    decks::nouveau_graphe(entrant.lecteur);
    Liste_son& l = Liste_son::instance();
    // The guard and its error box hold only for continuous play; the list orders pass errors on.
    const bool garde = !(l.Option2.Value() || l.Option3.Value() || l.Option4.Value());
    try {
        if (garde) {
            const QString refus = QStringLiteral("Action mpossible avec l'option :") + double_saut +
                                  QStringLiteral("Mode enchainement auto liste prédéfini") + saut_ligne +
                                  QStringLiteral("du menu Option") + saut_ligne + QString::number(valeur_max_jingles) +
                                  QStringLiteral(" secondes minimun sont demandées");
            if (lecture_liste_auto == Vrai) {
                const int16_t joue = rt::CInt(Label5.Caption());
                if (joue <= JoueMinimum) {
                    avis::message(refus, boites::Exclamation);
                    l.Image1.setEnabled(true);
                    l.Image2.setEnabled(true);
                    l.Label12.setCaption(QStringLiteral("Zapping autorisé"));
                    return;
                }
                // The list keeps where the track was cut.
                noter_fin_zap(joue);
            } else if (lecture_liste_auto == Faux) {
                if (Désactive_audio.Checked())
                    Pas_demix_audio();
                else
                    Active_audio_zapping_Click();
            }
        }

        auto journal_zap = [&](const QString& texte) {
            ligne_journal = texte;
            if (journal_actif != Faux) journal();
            ligne_journal.clear();
        };
        if (!coche3.Value()) {
            if (entrant.chemin.isEmpty()) return;
            if (!QFileInfo::exists(entrant.chemin)) {
                avis::message(QStringLiteral("Fichier non trouvé /abandon"), boites::Critique);
                return;
            }
            deck(depuis).titre.setCaption(QStringLiteral(" - En attente"));
            journal_zap(QStringLiteral("ZAPPING sur ----> : "));
            jouer(n);
            if (noter_debut_fondu)
                seconde_debut_fondu = decks::secondes_entieres(entrant.lecteur.position.CurrentPosition());
            lancer_fondu();
            return;
        }

        // List mix: the zap chooses the next entry itself; supervision waits meanwhile.
        coche4.setValue(0);
        Timer2.setInterval(0);
        auto lire_ligne = [&] {
            index_liste_en_cours = choix::boucler(index_liste_en_cours, l.ListView1.ListCount());
            chemin_entree_liste = l.ListView1.ListItem(index_liste_en_cours)->text(0);
        };
        // In random order the next row is drawn without repeat, as every other way to it is.
        auto suivante = [&] {
            if (ordre_aleatoire == Vrai) {
                reprendre_au_hasard();
            } else {
                index_liste_en_cours += 1;
                lire_ligne();
            }
        };
        // Only a missing file is skipped here.
        auto chercher = [&] {
            choix::Passe passe;
            for (;;) {
                const int32_t lignes = l.ListView1.ListCount();
                detecte_fichier_liste();
                if (!chemin_entree_liste.isEmpty()) return;
                const int32_t restantes = l.ListView1.ListCount();
                if (restantes < lignes) passe.recommencer();
                if (!passe.encore(index_liste_en_cours, restantes)) throw Erreur(5, choix::aucune_entree());
                suivante();
            }
        };
        suivante();
        charger_entree_jouable(n, chercher, suivante);
        deck(depuis).titre.setCaption(QStringLiteral(" - En attente"));
        journal_zap(depuis == 2 ? QStringLiteral("----> ZAPPING sur ") : QStringLiteral("ZAPPING sur ----> : "));
        jouer(n);
        if (noter_debut_fondu)
            seconde_debut_fondu = decks::secondes_entieres(entrant.lecteur.position.CurrentPosition());
        lancer_fondu();
        Timer2.setInterval(Valeur_vitesse_timer);
        l.ListView1.EnsureVisible(element_courant);
        l.ListView1.setSelectedItem(element_courant);
    } catch (const Erreur& e) {
        if (!garde) throw;
        avis::message(e.description(), boites::Critique);
    }
}

void Radio_FM::zapper_liste(int depuis) {
    const int n = lecteur_suivant(depuis);
    ControlesLecteur entrant = deck(n);
    decks::nouveau_graphe(entrant.lecteur);
    try {
        if (!coche3.Value()) return;
        coche4.setValue(0);
        Timer2.setInterval(0);
        Timer3.setEnabled(true);
        Liste_son& l = Liste_son::instance();

        // In either order a row that cannot be played is replaced by the row the sequencer drew
        // (used once), else by a draw without repeat.
        auto reprise = [&] { reprendre_au_hasard(); };
        if (ordre_aleatoire == Vrai) {
            reprise();
        } else if (ordre_aleatoire == Faux) {
            index_liste_en_cours = choix::suivant(index_liste_en_cours, l.ListView1.ListCount());
            chemin_entree_liste = l.ListView1.ListItem(index_liste_en_cours)->text(0);
        }
        charger_entree_jouable(n, [&] { chercher_entree_jouable(reprise); }, reprise);
        deck(depuis).titre.setCaption(QStringLiteral(" - En attente"));
        jouer(n);
        // The fade ends Mix_audio seconds after this start.
        seconde_debut_fondu = decks::secondes_entieres(entrant.lecteur.position.CurrentPosition());
        lancer_fondu();
        if (depuis == 1) Slider2.setValue(0);
        l.ListView1.EnsureVisible(element_courant);
        l.ListView1.setSelectedItem(element_courant);
    } catch (const Erreur& e) {
        avis::message(e.description(), boites::Critique);
    }
}

// The list sequencer: a fixed number of seconds before the mix point of the track on air it
// chooses the next entry (next in list order, or drawn at random without repeat), checks its
// file and loads it on the next deck of the ring, then switches itself off until the chaining
// has started that deck. Also the random draw that the chaining and the list zaps share.
#include <QApplication>

#include "automation/avis.h"
#include "automation/choix_entree.h"
#include "automation/entree_disque.h"
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"
#include "windows/liste.h"

using namespace Radio;

namespace {
void montrer_err_form(const QString& texte) {
    err_form& f = err_form::instance();
    f.Label1.setCaption(texte);
    f.Show();
}
}  // namespace

void Radio_FM::tirer_sans_repetition(const QString& tag_nul, const QString& tag_ok) {
    const int32_t lignes = Liste_son::instance().ListView1.ListCount();
    const choix::Tirage t = choix::tirer(index_tires, nb_index_tires, index_liste_en_cours, lignes);
    liste& h = liste::instance();
    if (t.historique_vide) {
        h.List1.Clear();
        h.List2.Clear();
    }
    h.Text1.setText(QString::number(index_tires.value(nb_index_tires - 1)));
    h.List1.Clear();
    for (int32_t i = 0; i < nb_index_tires; ++i) h.List1.AddItem(QString::number(index_tires[i]));
    for (int32_t rejete : t.rejetes) h.List2.AddItem(QString::number(rejete) + tag_nul);
    if (!t.rejetes.isEmpty()) h.Text2.setText(QStringLiteral("Oui ce nombre existe"));
    index_liste_en_cours = t.index;
    h.Text2.setText(QStringLiteral("Total index ( ") + QString::number(lignes) + QStringLiteral(")"));
    h.Label5.setCaption(QString::number(nb_index_tires));
    h.List2.AddItem(QString::number(t.index) + tag_ok);
    h.Label2.setCaption(QStringLiteral("Dans fichier ") + chemin_liste);
    h.Text3.setText(QString::number(t.index));
}

void Radio_FM::retirer_ligne_en_cours() {
    Liste_son& l = Liste_son::instance();
    // The view's tracker moves the index to the row before and keeps the entry on air.
    l.ListView1.RemoveItem(index_liste_en_cours);
    l.sauve_tout();
}

void Radio_FM::retirer_entree_liste() {
    const QString& cr = saut_ligne;
    if (journal_actif != Faux) {
        ligne_journal = QStringLiteral(" fichier : ") + chemin_entree_liste + cr + QStringLiteral(" Non trouvé ou non valide");
        journal();
    }
    if (Liste_son::instance().ListView1.ListCount() == 0) throw Erreur(5, choix::aucune_entree());
    retirer_ligne_en_cours();
    ligne_journal = QStringLiteral("Recherche de fichier valide ") + double_saut + chemin_entree_liste + cr +
                    QStringLiteral("Ce fichier est non trouvé ou non valide !") + double_saut +
                    QStringLiteral("Il a été supprimé de la liste.");
    montrer_err_form(ligne_journal);
    ligne_journal.clear();
}

void Radio_FM::Timer1_Timer() {
    if (a_mode_manuel.Checked() || lecture_gestionnaire == Vrai || coche2.Value()) return;
    const avis::DansUnTic tic;
    decks::ecrire_separateurs(*this);
    const QString& cr = saut_ligne;
    try {
        int d = 0;
        if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3) {
            duree_lecteur_en_cours = rt::CInt(deck(lecteur_en_cours).duree.Caption());
            d = lecteur_en_cours;
            compteur();
        }
        if (!choix::moment_preparation(duree_lecteur_en_cours, superposition, prechargement_en_cours,
                                       rt::CInt(Label5.Caption()))) {
            erreur_chargement_liste = Faux;
            return;
        }
        if (err_form::existe()) err_form::instance().hide();

        Liste_son& l = Liste_son::instance();
        choix::Passe passe;
        for (;;) {
            erreur_chargement_liste = Faux;
            if (ordre_aleatoire == Faux) {
                entree_tiree_au_hasard = Faux;
                index_liste_en_cours += 1;
            } else if (ordre_aleatoire == Vrai) {
                tirer_sans_repetition(QStringLiteral(" - Trouvé Nul"), QStringLiteral(" - Pas Trouvé Ok"));
                entree_tiree_au_hasard = Vrai;
            } else {
                return;
            }
            const int32_t lignes = l.ListView1.ListCount();
            index_liste_en_cours = choix::boucler(index_liste_en_cours, lignes);
            chemin_entree_liste = l.ListView1.ListItem(index_liste_en_cours)->text(0);
            if (choix::a_sauter(chemin_entree_liste, dernier_chemin_liste, lignes)) {
                if (!passe.encore(index_liste_en_cours, lignes)) throw Erreur(5, choix::aucune_entree());
                continue;
            }

            Timer1.setEnabled(false);
            num_enreg_destinataire = index_liste_en_cours;
            l.lire_enreg_destinataire();
            info_entree_a_afficher = Vrai;
            const QString chemin = rt::Trim(chemin_entree_liste);
            Text3.setText(chemin);
            bool trouve = true;
            if (choix::chemin_reseau(chemin)) {
                ligne_journal += cr + QStringLiteral("Pas de vérification d'existence de fichier (fichier sur le réseau)");
                if (journal_actif != Faux) journal();
                ligne_journal.clear();
            } else {
                QString dossier;
                const std::optional<QString> fichier = entree_disque::chercher(chemin, dossier);
                // A bare name cannot be checked: nothing is loaded for this track.
                if (!fichier) return;
                Text3.setText(dossier);
                trouve = !fichier->isEmpty();
            }
            if (trouve) {
                Timer1.setEnabled(false);
                // The next deck of the ring takes the entry.
                switch (d) {
                case 1: charge_2_list(); break;
                case 2: charge_3_list(); break;
                case 3: charge_1_list(); break;
                }
                trouve = erreur_chargement_liste != Vrai;
            }
            if (trouve) break;

            retirer_entree_liste();
            passe.recommencer();
        }
        // In list order the index names the entry on air again; at random it keeps the draw.
        if (ordre_aleatoire == Faux) index_liste_en_cours -= 1;
        duree_lecteur_en_cours = 0;
        erreur_chargement_liste = Faux;
    } catch (const Erreur& e) {
        try {
            if (journal_actif != Faux) {
                ligne_journal += cr + QStringLiteral("Erreur au chargement de fichier...liste stoppée");
                journal();
            }
            stoppe_liste();
            // A list with nothing left to play says so: the run does not end in silence.
            if (e.description() == choix::aucune_entree())
                montrer_err_form(choix::aucune_entree() + cr + QStringLiteral("Erreur au chargement de fichier...liste stoppée"));
        } catch (const Erreur&) {
            // Never out of a timer tick.
        }
        erreur_chargement_liste = Faux;
    }
}

void Radio_FM::Afficher_C_aleatoire_Click() {
    try {
        liste& h = liste::instance();
        Liste_son& l = Liste_son::instance();
        h.setTop(Top());
        h.setHeight(l.Height() + Height());
        // Against the main window's left edge, but never off the screen's left side.
        h.setLeft(qMax(0, Left() - h.Width()));
        // The list first: the monitor this command opens stands above it.
        l.Show();
        h.Show();
    } catch (const Erreur&) {
    }
}

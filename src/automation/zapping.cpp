// Zapping: the next deck of the ring starts at once and the outgoing deck fades out. The plain
// zaps hand over to the file already on the next deck; the list zaps first choose the next
// entry of the list by the play order, load it and start it.
#include <QFileInfo>

#include "automation/choix_entree.h"
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/boites.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::zap1() { zapper(1); }
void Radio_FM::zap2() { zapper(2); }
void Radio_FM::zap3() { zapper(3); }
void Radio_FM::zap11() { zapper_liste(1); }
void Radio_FM::zap12() { zapper_liste(2); }
void Radio_FM::zap13() { zapper_liste(3); }

void Radio_FM::zapper(int depuis, bool noter_debut_fondu) {
    const int n = lecteur_suivant(depuis);
    ControlesLecteur entrant = deck(n);
    decks::nouveau_graphe(entrant.lecteur);
    try {
        if (lecture_liste_auto == Faux) {
            if (Désactive_audio.Checked())
                Pas_demix_audio();
            else
                Active_audio_zapping_Click();
        }
        if (entrant.chemin.isEmpty()) return;
        if (!QFileInfo::exists(entrant.chemin)) {
            MsgBox(QStringLiteral("Fichier non trouvé /abandon"), boites::Critique);
            return;
        }
        deck(depuis).titre.setCaption(QStringLiteral(" - En attente"));
        ligne_journal = QStringLiteral("ZAPPING sur ----> : ");
        if (journal_actif != Faux) journal();
        ligne_journal.clear();
        jouer(n);
        if (noter_debut_fondu)
            seconde_debut_fondu = decks::secondes_entieres(entrant.lecteur.position.CurrentPosition());
        // The fade tick lowers the outgoing deck from now on.
        Timer3.setInterval(Mix_audio_vitesse);
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Critique);
    }
}

// The list zaps leave seconde_debut_fondu alone: the fade ends at the second the last plain zap
// stored.
void Radio_FM::zapper_liste(int depuis) {
    const int n = lecteur_suivant(depuis);
    decks::nouveau_graphe(deck(n).lecteur);
    try {
        if (!coche3.Value()) return;
        coche4.setValue(0);
        Timer2.setInterval(0);
        Timer3.setEnabled(true);
        Liste_son& l = Liste_son::instance();

        // The row the sequencer drew, or a new draw. In list order a retry takes the next row,
        // as the sequencer and the chaining do.
        auto reprise = [&] {
            if (ordre_aleatoire == Faux) {
                index_liste_en_cours = choix::suivant(index_liste_en_cours, l.ListView1.ListCount());
            } else if (entree_tiree_au_hasard == Vrai) {
                // The drawn row is used once; a retry draws anew.
                entree_tiree_au_hasard = Faux;
                index_liste_en_cours = choix::boucler(index_liste_en_cours, l.ListView1.ListCount());
            } else {
                tirer_sans_repetition(QStringLiteral(" - Zapping Trouvé Nul"), QStringLiteral(" - Zapping Pas Trouvé Ok"));
                index_liste_en_cours = choix::boucler(index_liste_en_cours, l.ListView1.ListCount());
            }
            chemin_entree_liste = l.ListView1.ListItem(index_liste_en_cours)->text(0);
        };
        if (ordre_aleatoire == Vrai || ordre_aleatoire == Faux) reprise();
        chercher_entree_jouable(reprise);

        element_courant = l.ListView1.ListItem(index_liste_en_cours);
        num_enreg_destinataire = index_liste_en_cours;
        l.lire_enreg_destinataire();
        deck(depuis).titre.setCaption(QStringLiteral(" - En attente"));
        charger_liste(n);
        jouer(n);
        // The fade tick lowers the outgoing deck from now on.
        Timer3.setInterval(Mix_audio_vitesse);
        if (depuis == 1) Slider2.setValue(0);
        l.ListView1.EnsureVisible(element_courant);
        l.ListView1.setSelectedItem(element_courant);
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Critique);
    }
}

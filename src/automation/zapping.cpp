// Zapping: the next deck of the ring starts at once and the outgoing deck fades out. So far
// the hand-over to the file already loaded on the next deck.
#include <QFileInfo>

#include "config/etat.h"
#include "decks/commun.h"
#include "platform/conversions.h"
#include "platform/boites.h"
#include "platform/erreur.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::zap1() { zapper(1); }
void Radio_FM::zap2() { zapper(2); }
void Radio_FM::zap3() { zapper(3); }
// The list-order zaps leave seconde_debut_fondu alone: the fade then ends at the second the
// last plain zap stored.
void Radio_FM::zap11() { zapper(1, false); }
void Radio_FM::zap12() { zapper(2, false); }
void Radio_FM::zap13() { zapper(3, false); }

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

#include "playlist/attente_decks3.h"

#include "platform/enregistrements.h"

TypeEnregListe enreg_stocke_attente(const QByteArray& octets) {
    TypeEnregListe e;
    e.chemin = champ::lire_texte(octets, 0, 200);
    e.fin_lecture = champ::lire_texte(octets, 200, 100);
    e.genre = champ::lire_texte(octets, 300, 100);
    e.volume = champ::lire_entier16(octets, 400);
    e.debut_lecture = champ::lire_reel64(octets, 402);
    e.duree_piste = champ::lire_texte(octets, 410, 8);
    return e;
}

int16_t niveau_depuis_pourcent_attente(int16_t pourcent) {
    if (pourcent == 10) return -3800;
    if (pourcent == 0) return -4000;
    if (pourcent >= 15 && pourcent <= 100 && pourcent % 5 == 0) return int16_t(-4000 + 40 * pourcent);
    return pourcent;
}

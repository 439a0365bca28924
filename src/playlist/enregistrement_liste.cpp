#include "playlist/enregistrement_liste.h"

#include "platform/enregistrements.h"

namespace enreg_liste {
namespace {
// Field positions and widths.
constexpr int Chemin = 0, LChemin = 200;
constexpr int Fin = 200, LFin = 100;
constexpr int Genre = 300, LGenre = 100;
constexpr int Volume = 400;
constexpr int Debut = 402;
constexpr int Duree = 410, LDuree = 8;
}  // namespace

QByteArray encoder(const TypeEnregListe& e) {
    QByteArray r(Longueur, '\0');
    champ::ecrire_texte(r, Chemin, LChemin, e.chemin);
    champ::ecrire_texte(r, Fin, LFin, e.fin_lecture);
    champ::ecrire_texte(r, Genre, LGenre, e.genre);
    champ::ecrire_entier16(r, Volume, e.volume);
    champ::ecrire_reel64(r, Debut, e.debut_lecture);
    champ::ecrire_texte(r, Duree, LDuree, e.duree_piste);
    return r;
}

TypeEnregListe decoder(const QByteArray& octets) {
    TypeEnregListe e;
    e.chemin = champ::lire_texte(octets, Chemin, LChemin);
    e.fin_lecture = champ::lire_texte(octets, Fin, LFin);
    e.genre = champ::lire_texte(octets, Genre, LGenre);
    e.volume = champ::lire_entier16(octets, Volume);
    e.debut_lecture = champ::lire_reel64(octets, Debut);
    e.duree_piste = champ::lire_texte(octets, Duree, LDuree);
    return e;
}

TypeEnregListe lire(const QString& fichier, int numero) {
    FichierEnregistrements f(fichier, Longueur, FichierEnregistrements::Acces::Lecture);
    return decoder(f.lire(numero));
}

void ecrire(const QString& fichier, int numero, const TypeEnregListe& e) {
    FichierEnregistrements f(fichier, Longueur);
    f.ecrire(numero, encoder(e));
}
}  // namespace enreg_liste

#include "playlist/enregistrement_liste.h"

#include "platform/enregistrements.h"

#include <QtEndian>
#include <cstring>

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

namespace {
// A text field as champ::texte gives it; plain ASCII that fits (nearly every path and cell)
// is copied as it is, with no conversion or allocation.
void texte_dans(char* champ, int largeur, const QString& s) {
    if (s.size() <= largeur) {
        const QChar* c = s.constData();
        qsizetype i = 0;
        while (i < s.size() && c[i].unicode() < 0x80) {
            champ[i] = char(c[i].unicode());
            ++i;
        }
        if (i == s.size()) {
            std::memset(champ + i, ' ', size_t(largeur - i));
            return;
        }
    }
    std::memcpy(champ, champ::texte(s, largeur).constData(), size_t(largeur));
}
}  // namespace

void encoder_dans(const TypeEnregListe& e, char* r) {
    texte_dans(r + Chemin, LChemin, e.chemin);
    texte_dans(r + Fin, LFin, e.fin_lecture);
    texte_dans(r + Genre, LGenre, e.genre);
    qToLittleEndian<qint16>(e.volume, r + Volume);
    quint64 bits;
    std::memcpy(&bits, &e.debut_lecture, sizeof bits);
    qToLittleEndian<quint64>(bits, r + Debut);
    texte_dans(r + Duree, LDuree, e.duree_piste);
}

QByteArray encoder(const TypeEnregListe& e) {
    QByteArray r(Longueur, Qt::Uninitialized);
    encoder_dans(e, r.data());
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

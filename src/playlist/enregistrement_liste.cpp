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
// Whether bytes of the code page are surely not UTF-8: a lead byte followed by a byte that
// does not continue it, or a continuation byte that follows no lead. The general codec then
// keeps the code page too. Other high bytes are left to it.
bool jamais_utf8(const char* o, qsizetype n) {
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const auto a = uchar(o[i]), b = uchar(o[i + 1]);
        const bool suite = (b & 0xC0) == 0x80;
        if (a >= 0xC0 && !suite) return true;
        if (a < 0x80 && suite) return true;
    }
    return n > 0 && (uchar(o[0]) & 0xC0) == 0x80;
}

// A text field as champ::texte gives it. Text that fits, written with characters that are the
// same in the code page and in Latin-1 (nearly every path and cell: ASCII, or accented letters
// next to plain ones), is copied as it is, with no conversion or allocation.
void texte_dans(char* champ, int largeur, const QString& s) {
    if (s.size() <= largeur) {
        const char16_t* c = reinterpret_cast<const char16_t*>(s.constData());
        const qsizetype n = s.size();
        qsizetype i = 0;
        // ASCII four characters at a time, then one by one from the first block that is not.
        for (; i + 4 <= n; i += 4) {
            quint64 quatre;
            std::memcpy(&quatre, c + i, sizeof quatre);
            if (quatre & Q_UINT64_C(0xFF80FF80FF80FF80)) break;
            for (int k = 0; k < 4; ++k) champ[i + k] = char(c[i + k]);
        }
        bool haut = false;
        for (; i < n; ++i) {
            const char16_t u = c[i];
            if (u >= 0x100 || (u >= 0x80 && u < 0xA0)) break;  // another byte in the code page, or none
            champ[i] = char(u);
            haut |= u >= 0x80;
        }
        if (i == n && (!haut || jamais_utf8(champ, n))) {
            std::memset(champ + n, ' ', size_t(largeur - n));
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

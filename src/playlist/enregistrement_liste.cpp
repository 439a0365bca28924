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
// keeps the code page too. Other high bytes are left to it. The bytes before `debut` are ASCII.
bool jamais_utf8(const char* o, qsizetype debut, qsizetype n) {
    for (qsizetype i = debut > 0 ? debut - 1 : 0; i + 1 < n; ++i) {
        const auto a = uchar(o[i]), b = uchar(o[i + 1]);
        const bool suite = (b & 0xC0) == 0x80;
        if (a >= 0xC0 && !suite) return true;
        if (a < 0x80 && suite) return true;
    }
    return n > 0 && (uchar(o[0]) & 0xC0) == 0x80;
}

// Characters that are the same byte in the code page and in Latin-1, copied; false at the
// first that is not. premier_haut: the index of the first one above ASCII, when still -1.
bool copier_latin1(const char16_t* c, qsizetype debut, qsizetype fin, char* champ, qsizetype& premier_haut) {
    for (qsizetype i = debut; i < fin; ++i) {
        const char16_t u = c[i];
        if (u >= 0x100 || (u >= 0x80 && u < 0xA0)) return false;  // another byte in the code page, or none
        if (u >= 0x80 && premier_haut < 0) premier_haut = i;
        champ[i] = char(u);
    }
    return true;
}

// A text field as champ::texte gives it. Text that fits, written with characters that are the
// same in the code page and in Latin-1 (nearly every path and cell: ASCII, or accented letters
// next to plain ones), is copied as it is, with no conversion or allocation.
void texte_dans(char* champ, int largeur, const QString& s) {
    const qsizetype n = s.size();
    if (n <= largeur) {
        const char16_t* c = reinterpret_cast<const char16_t*>(s.constData());
        qsizetype premier_haut = -1;
        qsizetype i = 0;
        bool copie = true;
        // Four characters at a time: an ASCII block is packed in one step.
        for (; copie && i + 4 <= n; i += 4) {
            const quint64 q = qFromLittleEndian<quint64>(c + i);
            if (q & Q_UINT64_C(0xFF80FF80FF80FF80))
                copie = copier_latin1(c, i, i + 4, champ, premier_haut);
            else
                qToLittleEndian<quint32>(quint32((q & 0xFF) | (q >> 8 & 0xFF00) | (q >> 16 & 0xFF0000) |
                                                 (q >> 24 & 0xFF000000)),
                                         champ + i);
        }
        if (copie && copier_latin1(c, i, n, champ, premier_haut) &&
            (premier_haut < 0 || jamais_utf8(champ, premier_haut, n))) {
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

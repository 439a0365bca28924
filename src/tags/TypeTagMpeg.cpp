#include "tags/TypeTagMpeg.h"

#include <QFile>
#include <QIODevice>
#include <cmath>
#include <limits>

namespace {
const char* const NomsVersion[4] = {"2.5", "Réservé", "2.0", "1.0"};
const char* const NomsLayer[4] = {"Réservé", "III", "II", "I"};
const char* const NomsMode[4] = {"Stereo", "Joint Stereo", "Double Cha", "Mono"};
const int Bandes[4] = {4, 8, 12, 16};
const char* const NomsModeExtLayer3[4] = {
    "Stereo : OFF - MS Stereo : OFF", "Stereo : ON - MS Stereo : OFF",
    "Stereo : OFF - MS Stereo : ON", "Stereo : ON - MS Stereo : ON"};
const char* const NomsEmphasis[4] = {"Aucun", "50/15 ms", "Réservé", "CCIT J.17"};

// kbit/s by row and bit-rate index; indexes 0 (free format) and 15 (forbidden) give 0.
// Row = MPEG-1 bit + layer bits as 2 (III), 4 (II) or 6 (I), minus 2.
const int16_t TableBitRate[6][16] = {
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},         // 2/2.5 III
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},     // 1 III
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},         // 2/2.5 II
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},    // 1 II
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},    // 2/2.5 I
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0}, // 1 I
};

// Hz by version index (2.5, reserved, 2.0, 1.0) and frequency index.
const int32_t TableFrequence[4][4] = {
    {11025, 12000, 8000, 0}, {0, 0, 0, 0}, {22050, 24000, 16000, 0}, {44100, 48000, 32000, 0}};

constexpr int Fenetre = 64 * 1024;
// Frames per second, as the average bit rate of a VBR file counts them.
constexpr double FramesParSeconde = 38.0;

// Reads of a few bytes anywhere in the file through one window, never past its length.
class Octets {
public:
    Octets(QIODevice& flux, qint64 longueur) : m_flux(flux), m_longueur(longueur) {}

    bool lire(qint64 pos, int n, unsigned char* dest) {
        if (pos < 0 || n > Fenetre || pos + n > m_longueur) return false;
        if (m_debut < 0 || pos < m_debut || pos + n > m_debut + m_tampon.size()) {
            m_debut = -1;
            if (!m_flux.seek(pos)) return false;
            m_tampon = m_flux.read(qMin<qint64>(Fenetre, m_longueur - pos));
            if (m_tampon.size() < n) return false;
            m_debut = pos;
        }
        for (int i = 0; i < n; ++i)
            dest[i] = static_cast<unsigned char>(m_tampon[int(pos - m_debut) + i]);
        return true;
    }
    int octet(qint64 pos) {
        unsigned char o;
        return lire(pos, 1, &o) ? o : -1;
    }
    bool grand_boutiste(qint64 pos, int n, int64_t& valeur) {
        unsigned char o[4];
        if (!lire(pos, n, o)) return false;
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | o[i];
        // 32-bit fields are signed, as the frame count and stream size were always read.
        valeur = n == 4 ? int64_t(int32_t(v)) : int64_t(v);
        return true;
    }
    bool texte_majuscule(qint64 pos, const char* attendu) {
        unsigned char o[4];
        if (!lire(pos, 4, o)) return false;
        for (int i = 0; i < 4; ++i) {
            const char c = (o[i] >= 'a' && o[i] <= 'z') ? char(o[i] - 32) : char(o[i]);
            if (c != attendu[i]) return false;
        }
        return true;
    }

private:
    QIODevice& m_flux;
    qint64 m_longueur;
    QByteArray m_tampon;
    qint64 m_debut = -1;
};
}  // namespace

// Decodes one candidate into the object; false rejects it.
class LectureEntete {
public:
    static bool decoder(TypeTagMpeg& t, Octets& f, int32_t taille, int32_t pos, bool strict) {
        t = TypeTagMpeg();
        t.setValide(true);
        t.setEntetePos(pos);
        unsigned char b[3];
        if (!f.lire(qint64(pos) + 1, 3, b)) return false;

        const int version = (b[0] >> 3) & 3;
        const int layer = (b[0] >> 1) & 3;
        t.setMpeg(QString::fromUtf8(NomsVersion[version]));
        if (version == 1) t.setValide(false);
        t.setLayer(QString::fromUtf8(NomsLayer[layer]));
        if (layer == 0) t.setValide(false);
        if (strict && layer != 1 && layer != 2) return false;

        t.setCRC((b[0] & 1) == 0);
        const int ligne = ((b[0] >> 3) & 1) + (b[0] & 6) - 2;
        if (ligne < 0 || ligne > 5) return false;  // reserved layer
        t.m_bit_rate = TableBitRate[ligne][b[1] >> 4];
        t.setFrequence(TableFrequence[version][(b[1] >> 2) & 3]);
        t.setPadded(b[1] & 2);
        if (t.m_frequence == 0 || t.m_bit_rate == 0) return false;

        // Estimated frame count of a constant-bit-rate stream from the header on; a VBR
        // header replaces it.
        const bool mpeg1 = version == 3;
        const int64_t debit = int64_t(t.m_bit_rate) * 1000;
        const int pad = t.m_padded ? 1 : 0;
        int64_t longueur_frame;
        if (layer == 3)
            longueur_frame = (12 * debit / t.m_frequence + pad) * 4;
        else if (layer == 1 && !mpeg1)
            longueur_frame = 72 * debit / t.m_frequence + pad;
        else
            longueur_frame = 144 * debit / t.m_frequence + pad;
        t.setFrames(int32_t((int64_t(taille) - pos) / longueur_frame));

        t.setPrivateBit(b[1] & 1);
        const int mode = (b[2] >> 6) & 3;
        t.setMode(QString::fromUtf8(NomsMode[mode]));
        if (mode == 1) {
            const int ext = (b[2] >> 4) & 3;
            if (layer == 1)
                t.setModeExt(QString::fromUtf8(NomsModeExtLayer3[ext]));
            else
                t.setModeExt(QStringLiteral("Bands %1 to 31").arg(Bandes[ext]));
        }
        t.setCopyright(b[2] & 8);
        t.setOriginal(b[2] & 4);
        t.setEmphasis(QString::fromUtf8(NomsEmphasis[b[2] & 3]));

        t.setTaille(taille);
        t.setDuree(int32_t(std::trunc((double(taille) - pos) * 8 / 1000 / t.m_bit_rate)));

        const bool mono = mode == 3;
        const int decalage_xing = ((b[0] >> 3) & 1) ? (mono ? 21 : 36) : (mono ? 13 : 21);
        const qint64 xing = qint64(pos) + decalage_xing;
        const qint64 vbri = qint64(pos) + 36;
        int64_t flux_octets = 0, delai = 0, frames = 0;
        if (f.texte_majuscule(xing, "XING")) {
            t.setVbr(QStringLiteral("VBR"));
            const int drapeaux = f.octet(xing + 7);
            if (drapeaux < 0) return false;
            if (drapeaux & 1) {
                if (!f.grand_boutiste(xing + 8, 4, frames)) return false;
                t.setFrames(int32_t(frames));
            } else {
                t.setValide(false);  // no frame count: the constant-bit-rate figures stay
            }
            flux_octets = taille;
            if ((drapeaux & 2) && !f.grand_boutiste(xing + 12, 4, flux_octets)) return false;
        } else if (f.texte_majuscule(vbri, "VBRI")) {
            t.setVbr(QStringLiteral("VBRI"));
            if (!f.grand_boutiste(vbri + 6, 2, delai) || !f.grand_boutiste(vbri + 10, 4, flux_octets) ||
                !f.grand_boutiste(vbri + 14, 4, frames))
                return false;
            t.setFrames(int32_t(frames));
        }
        if (!t.m_vbr.isEmpty() && t.m_valide && !moyenne_vbr(t, flux_octets - pos - delai))
            return false;

        if (strict && t.m_mpeg == QLatin1String("2.0") && t.m_vbr.isEmpty()) return false;
        return true;
    }

private:
    // Average bit rate and play time from the VBR header's stream size and frame count. A
    // frame count under two seconds' worth, or a stream size that leaves no positive bit rate
    // fitting 16 bits, rejects the candidate.
    static bool moyenne_vbr(TypeTagMpeg& t, int64_t octets) {
        const double secondes = std::trunc(t.m_frames / FramesParSeconde - 1);
        if (secondes <= 0) return false;
        const double kbits = double(octets) * 8 / 1000;
        const double debit = std::trunc(kbits / secondes);
        if (debit <= 0 || debit > std::numeric_limits<int16_t>::max()) return false;
        t.m_bit_rate = int32_t(debit);
        t.setDuree(int32_t(std::trunc(kbits / debit)));
        return true;
    }
};

TypeTagMpeg TypeTagMpeg::lire_entete(const QString& chemin, bool strict) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        *this = TypeTagMpeg();
        return *this;
    }
    return lire_entete(fichier, strict);
}

TypeTagMpeg TypeTagMpeg::lire_entete(QIODevice& flux, bool strict) {
    *this = TypeTagMpeg();
    // The length is a 32-bit figure: a larger file is read as its first 2 GiB.
    const int32_t taille =
        int32_t(qMin<qint64>(flux.size(), std::numeric_limits<int32_t>::max()));
    Octets f(flux, taille);
    for (int32_t p = 0; p + 1 < taille; ++p) {
        if (f.octet(p) != 0xFF || f.octet(p + 1) <= 0) continue;
        if (LectureEntete::decoder(*this, f, taille, p, strict)) return *this;
    }
    *this = TypeTagMpeg();
    return *this;
}

#include "platform/media_mpeg.h"

#include <QFile>
#include <cstring>

namespace media_mpeg {
namespace {
struct Trame {
    int version;  // 3 = MPEG-1, 2 = MPEG-2, 0 = MPEG-2.5
    int couche;   // 1, 2 or 3
    int frequence;
    int echantillons;
    int longueur;
    bool mono;
};

constexpr int kDebits[2][3][15] = {
    // MPEG-1: layers I, II, III
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    // MPEG-2 and 2.5: layer I, then II and III
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}},
};
constexpr int kFrequences[3] = {44100, 48000, 32000};

// The frame whose header starts at p, if the four bytes are a valid header. Free-format frames
// (bit rate index 0) have no computable length and are refused.
std::optional<Trame> entete(const uint8_t* p) {
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return std::nullopt;
    const int version = (p[1] >> 3) & 3;
    const int code_couche = (p[1] >> 1) & 3;
    const int indice_debit = p[2] >> 4;
    const int indice_frequence = (p[2] >> 2) & 3;
    if (version == 1 || code_couche == 0 || indice_debit == 0 || indice_debit == 15 ||
        indice_frequence == 3)
        return std::nullopt;
    Trame t;
    t.version = version;
    t.couche = 4 - code_couche;
    t.frequence = kFrequences[indice_frequence] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
    t.mono = (p[3] >> 6) == 3;
    const int debit = kDebits[version == 3 ? 0 : 1][t.couche - 1][indice_debit] * 1000;
    const int bourrage = (p[2] >> 1) & 1;
    if (t.couche == 1) {
        t.echantillons = 384;
        t.longueur = (12 * debit / t.frequence + bourrage) * 4;
    } else if (t.couche == 2 || version == 3) {
        t.echantillons = 1152;
        t.longueur = 144 * debit / t.frequence + bourrage;
    } else {
        t.echantillons = 576;
        t.longueur = 72 * debit / t.frequence + bourrage;
    }
    return t;
}

bool meme_flux(const Trame& a, const Trame& b) {
    return a.version == b.version && a.couche == b.couche && a.frequence == b.frequence;
}

// A frame of the stream at pos, whole within the data.
std::optional<Trame> trame_a(const uint8_t* data, int64_t taille, int64_t pos,
                             const Trame* modele) {
    if (pos + 4 > taille) return std::nullopt;
    auto t = entete(data + pos);
    if (!t || pos + t->longueur > taille || (modele && !meme_flux(*t, *modele)))
        return std::nullopt;
    return t;
}

// A Xing/Info header sits after the side information; a VBRI header at a fixed place.
bool trame_d_information(const uint8_t* data, int64_t taille, int64_t pos, const Trame& t) {
    int cote = t.version == 3 ? (t.mono ? 17 : 32) : (t.mono ? 9 : 17);
    auto porte = [&](int64_t decalage, const char* marque) {
        return decalage + 4 <= t.longueur && pos + decalage + 4 <= taille &&
               memcmp(data + pos + decalage, marque, 4) == 0;
    };
    return porte(4 + cote, "Xing") || porte(4 + cote, "Info") || porte(36, "VBRI");
}

int64_t apres_id3v2(const uint8_t* data, int64_t taille) {
    if (taille < 10 || memcmp(data, "ID3", 3) != 0) return 0;
    const int64_t corps = (int64_t(data[6] & 0x7F) << 21) | ((data[7] & 0x7F) << 14) |
                          ((data[8] & 0x7F) << 7) | (data[9] & 0x7F);
    return 10 + corps + ((data[5] & 0x10) ? 10 : 0);
}
}  // namespace

std::optional<double> duree(const uint8_t* data, int64_t taille) {
    // The first frame: a valid header followed by another of the same stream (or by the end),
    // looked for a little way past any ID3v2 tag.
    constexpr int64_t kRechercheDebut = 64 * 1024;
    const int64_t debut = apres_id3v2(data, taille);
    std::optional<Trame> premiere;
    int64_t pos = debut;
    for (; pos < taille && pos < debut + kRechercheDebut; ++pos) {
        auto t = trame_a(data, taille, pos, nullptr);
        if (t && (pos + t->longueur == taille ||
                  trame_a(data, taille, pos + t->longueur, &*t))) {
            premiere = t;
            break;
        }
    }
    if (!premiere) return std::nullopt;

    int64_t echantillons = 0;
    bool en_phase = true;  // the previous frame ended where this one starts
    if (trame_d_information(data, taille, pos, *premiere)) pos += premiere->longueur;
    while (pos < taille) {
        auto t = trame_a(data, taille, pos, &*premiere);
        // After junk, a header counts only when the next frame confirms it.
        if (t && !en_phase && pos + t->longueur < taille &&
            !trame_a(data, taille, pos + t->longueur, &*premiere))
            t.reset();
        if (t) {
            echantillons += t->echantillons;
            pos += t->longueur;
            en_phase = true;
        } else {
            ++pos;
            en_phase = false;
        }
    }
    return double(echantillons) / premiere->frequence;
}

std::optional<double> duree_fichier(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly) || f.size() == 0) return std::nullopt;
    const uchar* data = f.map(0, f.size());
    if (!data) return std::nullopt;
    auto d = duree(data, f.size());
    f.unmap(const_cast<uchar*>(data));
    return d;
}


}  // namespace media_mpeg

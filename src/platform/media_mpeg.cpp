#include "platform/media_mpeg.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace media_mpeg {
namespace {
struct Trame {
    int version;  // 3 = MPEG-1, 2 = MPEG-2, 0 = MPEG-2.5
    int couche;   // 1, 2 or 3
    int indice_frequence;
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
// Frames that must follow a frame found after junk (or of another stream) before it counts.
constexpr int kSuite = 2;
// The most bytes a step of the walk looks at from one position: a few frames.
constexpr int64_t kVue = 16 * 1024;
// The header of the first frame is looked for this far past the leading tags; further on,
// only the walk finds it.
constexpr int64_t kRechercheEntete = 1 << 20;
// Reads: small ones for a header at each end, large sequential ones for a walk.
constexpr int64_t kBlocEntete = 64 * 1024;
constexpr int64_t kBlocParcours = 256 * 1024;
// How far past the leading tags a file is searched for audio when GStreamer found no type.
constexpr int64_t kRechercheAudio = 8 << 20;

constexpr int kFrequencesAdts[13] = {96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                     22050, 16000, 12000, 11025, 8000,  7350};
// Rates are counted apart: nine MPEG ones, then the ADTS ones.
constexpr int kRythmes = 9 + 13;
// The longest frame header read.
constexpr int kEntete = 7;

// An AAC frame in ADTS: 1024 samples per raw data block.
inline bool entete_adts(const uint8_t* p, Trame& t) {
    const int indice = (p[2] >> 2) & 0xF;
    const int longueur = ((p[3] & 3) << 11) | (p[4] << 3) | (p[5] >> 5);
    const int entete = (p[1] & 1) ? 7 : 9;
    if (indice >= 13 || longueur <= entete) return false;
    t.version = 4;
    t.couche = 0;
    t.indice_frequence = 9 + indice;
    t.frequence = kFrequencesAdts[indice];
    t.echantillons = 1024 * ((p[6] & 3) + 1);
    t.longueur = longueur;
    t.mono = false;
    return true;
}

// Whether the kEntete bytes at p are a valid frame header, MPEG audio or AAC in ADTS, and the
// frame they start in t. Free-format MPEG frames (bit rate index 0) have no computable length
// and are refused.
inline bool entete(const uint8_t* p, Trame& t) {
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return false;
    if ((p[1] & 0xF6) == 0xF0) return entete_adts(p, t);
    const int version = (p[1] >> 3) & 3;
    const int code_couche = (p[1] >> 1) & 3;
    const int indice_debit = p[2] >> 4;
    const int indice_frequence = (p[2] >> 2) & 3;
    if (version == 1 || code_couche == 0 || indice_debit == 0 || indice_debit == 15 ||
        indice_frequence == 3)
        return false;
    t.version = version;
    t.couche = 4 - code_couche;
    t.indice_frequence = (version == 3 ? 0 : version == 2 ? 3 : 6) + indice_frequence;
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
    return true;
}

std::optional<Trame> entete(const uint8_t* p) {
    Trame t;
    if (!entete(p, t)) return std::nullopt;
    return t;
}

bool meme_flux(const Trame& a, const Trame& b) {
    return a.version == b.version && a.couche == b.couche && a.frequence == b.frequence;
}

uint32_t gros_boutiste(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
uint32_t petit_boutiste(const uint8_t* p) {
    return (uint32_t(p[3]) << 24) | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
}

// Bytes to look at, from memory or from a file read in large sequential blocks. Not virtual:
// the walk asks for bytes once per frame, and the bytes asked for are nearly always at hand.
class Source {
public:
    // From memory.
    Source(const uint8_t* data, int64_t taille) : taille(taille), m_data(data), m_debut(0), m_lu(taille) {}
    // From a file, read m_bloc bytes at a time.
    Source(int fd, int64_t taille, const std::atomic<bool>* arret, int64_t bloc, std::atomic<int64_t>* lus = nullptr);
    ~Source();
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;

    // The bytes from pos on, at least min(n, taille - pos) of them (n <= kVue); null when
    // they cannot be read.
    const uint8_t* voir(int64_t pos, int64_t n) {
        const int64_t fin = std::min(taille, pos + n);
        if (pos >= m_debut && fin <= m_debut + m_lu) return m_data + (pos - m_debut);
        return remplir(pos, fin) ? m_data + (pos - m_debut) : nullptr;
    }
    // The end of the bytes at hand from pos on, once voir(pos, n) gave them.
    int64_t fin_vue() const { return m_debut + m_lu; }

    const int64_t taille;

private:
    bool remplir(int64_t pos, int64_t fin);
    bool attendre_bride(int64_t octets);

    const uint8_t* m_data;  // memory given, or m_tampon
    int64_t m_debut;        // position of m_data[0]
    int64_t m_lu;           // bytes at hand from m_debut on
    int m_fd = -1;
    const std::atomic<bool>* m_arret = nullptr;
    int64_t m_bloc = 0;
    std::atomic<int64_t>* m_lus = nullptr;
    std::unique_ptr<uint8_t[]> m_tampon;
    int64_t m_capacite = 0;
};

std::atomic<int64_t> g_bride{0};

// One read buffer kept from one file to the next: walks run on threads of their own, and a
// fresh buffer would cost its pages' faults on every walk.
struct TamponLibre {
    std::mutex m;
    std::unique_ptr<uint8_t[]> tampon;
    int64_t capacite = 0;
};
// Never destroyed: a walk may still be running while the program ends.
TamponLibre& tampon_libre() {
    static auto* t = new TamponLibre;
    return *t;
}

Source::Source(int fd, int64_t taille, const std::atomic<bool>* arret, int64_t bloc, std::atomic<int64_t>* lus)
    : taille(taille), m_data(nullptr), m_debut(0), m_lu(0), m_fd(fd), m_arret(arret), m_bloc(bloc), m_lus(lus) {
    // Room for what a step looks at beyond the bytes kept, and one block.
    const int64_t voulu = kVue + bloc;
    {
        TamponLibre& libre = tampon_libre();
        std::lock_guard<std::mutex> l(libre.m);
        if (libre.tampon && libre.capacite >= voulu) {
            m_tampon = std::move(libre.tampon);
            m_capacite = libre.capacite;
        }
    }
    if (!m_tampon) {
        m_tampon.reset(new uint8_t[size_t(voulu)]);
        m_capacite = voulu;
    }
    m_data = m_tampon.get();
}

Source::~Source() {
    if (!m_tampon) return;
    TamponLibre& libre = tampon_libre();
    std::lock_guard<std::mutex> l(libre.m);
    if (m_capacite >= libre.capacite) {
        libre.tampon = std::move(m_tampon);
        libre.capacite = m_capacite;
    }
}

// Keeps what is already read from pos on and reads on, one large block at a time.
bool Source::remplir(int64_t pos, int64_t fin) {
    if (m_fd < 0) return false;
    uint8_t* tampon = m_tampon.get();
    const int64_t garde_fin = m_debut + m_lu;
    if (pos >= m_debut && pos < garde_fin) {
        m_lu = garde_fin - pos;
        std::memmove(tampon, tampon + (pos - m_debut), size_t(m_lu));
    } else {
        m_lu = 0;
    }
    m_debut = pos;
    while (m_debut + m_lu < fin) {
        const int64_t depuis = m_debut + m_lu;
        const int64_t voulu = std::min({m_bloc, taille - depuis, m_capacite - m_lu});
        const ssize_t lu = ::pread(m_fd, tampon + m_lu, size_t(voulu), depuis);
        if (lu <= 0) return false;
        m_lu += lu;
        if (m_lus) *m_lus += lu;
        if (!attendre_bride(lu)) return false;
    }
    return true;
}

// A slow disk, for tests: sleeps as long as the bytes would take, in short steps.
bool Source::attendre_bride(int64_t octets) {
    if (m_arret && m_arret->load()) return false;
    const int64_t bride = g_bride.load();
    if (bride <= 0) return true;
    auto reste = std::chrono::microseconds(octets * 1000000 / bride);
    while (reste.count() > 0) {
        const auto pas = std::min(reste, std::chrono::microseconds(10000));
        std::this_thread::sleep_for(pas);
        reste -= pas;
        if (m_arret && m_arret->load()) return false;
    }
    return true;
}

// The part of the data an MPEG stream may occupy, and whether the data can hold one.
struct Etendue {
    int64_t debut = 0;
    int64_t fin = 0;
    bool possible = true;
    bool riff = false;
};

// Length of a tag starting at pos (ID3v2, APE), 0 when there is none.
int64_t tag_a(Source& s, int64_t pos, int64_t fin) {
    if (pos + 10 > fin) return 0;
    const uint8_t* p = s.voir(pos, 32);
    if (!p) return 0;
    if (memcmp(p, "ID3", 3) == 0 && p[3] != 0xFF && p[4] != 0xFF &&
        ((p[6] | p[7] | p[8] | p[9]) & 0x80) == 0) {
        const int64_t corps = (int64_t(p[6]) << 21) | (p[7] << 14) | (p[8] << 7) | p[9];
        return 10 + corps + ((p[5] & 0x10) ? 10 : 0);
    }
    if (pos + 32 <= fin && memcmp(p, "APETAGEX", 8) == 0) {
        const uint32_t drapeaux = petit_boutiste(p + 20);
        // A header is followed by the items and a footer; a footer closes items already passed.
        return (drapeaux & (1u << 29)) ? 32 + int64_t(petit_boutiste(p + 12)) : 32;
    }
    return 0;
}

// The data chunk of a RIFF/WAVE file whose format is MPEG audio; impossible for any other
// format.
Etendue etendue_riff(Source& s) {
    Etendue e;
    e.riff = true;
    e.possible = false;
    int64_t pos = 12;
    bool mpeg = false;
    while (pos + 8 <= s.taille) {
        const uint8_t* p = s.voir(pos, 10);
        if (!p) break;
        const int64_t taille = petit_boutiste(p + 4);
        if (memcmp(p, "fmt ", 4) == 0 && pos + 10 <= s.taille) {
            const int format = p[8] | (p[9] << 8);
            mpeg = format == 0x50 || format == 0x55;  // MPEG layers I/II, MPEG layer III
            if (!mpeg) return e;
        } else if (memcmp(p, "data", 4) == 0) {
            e.debut = pos + 8;
            // A length still zero or past the end (a recording cut short) runs to the end.
            e.fin = (taille == 0 || e.debut + taille > s.taille) ? s.taille : e.debut + taille;
            e.possible = mpeg;
            return e;
        }
        pos += 8 + taille + (taille & 1);
    }
    return e;
}

Etendue etendue(Source& s) {
    Etendue e;
    e.fin = s.taille;
    if (s.taille >= 12) {
        const uint8_t* p = s.voir(0, 12);
        if (!p) return {0, 0, false, false};
        if (memcmp(p, "RIFF", 4) == 0 && memcmp(p + 8, "WAVE", 4) == 0) return etendue_riff(s);
    }
    // Any number of tags in front.
    while (int64_t t = tag_a(s, e.debut, e.fin)) e.debut += t;
    if (e.debut > e.fin) e.debut = e.fin;
    return e;
}

// The frame of the stream at pos, whole before fin.
std::optional<Trame> trame_a(Source& s, int64_t pos, int64_t fin) {
    if (pos + kEntete > fin) return std::nullopt;
    const uint8_t* p = s.voir(pos, kEntete);
    if (!p) return std::nullopt;
    auto t = entete(p);
    if (!t || pos + t->longueur > fin) return std::nullopt;
    return t;
}

// Whether the next frames of the same stream follow the frame t at pos; a run that ends at
// the end of the stream or on a tag counts as followed.
bool suivie(Source& s, int64_t pos, const Trame& t, int64_t fin) {
    int64_t q = pos + t.longueur;
    for (int k = 0; k < kSuite; ++k) {
        if (q > fin - kEntete || tag_a(s, q, fin)) return true;
        const uint8_t* p = s.voir(q, 3);
        if (p && memcmp(p, "TAG", 3) == 0 && q + 128 == fin) return true;
        auto u = trame_a(s, q, fin);
        if (!u || !meme_flux(*u, t)) return false;
        q += u->longueur;
    }
    return true;
}

// A Xing/Info header sits after the side information; a VBRI header at a fixed place.
// Returns the offset of the mark in the frame t whose bytes start at p, 0 when there is none.
inline int64_t decalage_information(const uint8_t* p, const Trame& t) {
    if (t.couche == 0) return 0;
    const int cote = t.version == 3 ? (t.mono ? 17 : 32) : (t.mono ? 9 : 17);
    auto porte = [&](int64_t decalage, const char* marque) {
        return decalage + 4 <= t.longueur && memcmp(p + decalage, marque, 4) == 0;
    };
    if (porte(4 + cote, "Xing") || porte(4 + cote, "Info")) return 4 + cote;
    if (porte(36, "VBRI")) return 36;
    return 0;
}

int64_t decalage_information(Source& s, int64_t pos, const Trame& t) {
    if (t.couche == 0) return 0;
    const uint8_t* p = s.voir(pos, t.longueur);
    return p ? decalage_information(p, t) : 0;
}

// The first frame at or after pos that the next frames confirm, looked for up to limite.
std::optional<Trame> chercher_trame(Source& s, int64_t& pos, int64_t fin, int64_t limite) {
    while (pos + 4 <= fin && pos < limite) {
        if (const int64_t t = tag_a(s, pos, fin)) {
            pos += t;
            continue;
        }
        const uint8_t* p = s.voir(pos, kVue);
        if (!p) return std::nullopt;
        // Junk: straight to the next byte that may start a frame or a tag.
        const int64_t n = std::min({kVue, fin - pos, limite - pos});
        int64_t i = 0;
        while (i < n && p[i] != 0xFF && p[i] != 'I' && p[i] != 'A') ++i;
        if (i > 0) {
            pos += i;
            continue;
        }
        auto t = trame_a(s, pos, fin);
        if (t && suivie(s, pos, *t, fin)) return t;
        ++pos;
    }
    return std::nullopt;
}

std::optional<double> parcourir(Source& s) {
    const Etendue e = etendue(s);
    if (!e.possible) return std::nullopt;
    // Samples per rate (version and rate index): parts of another rate add their own length.
    int64_t echantillons[kRythmes] = {};
    int frequences[kRythmes] = {};
    bool trouve = false;
    int64_t pos = e.debut;
    std::optional<Trame> precedente;
    while (pos + 4 <= e.fin) {
        if (precedente) {
            // Frames of the same stream one after the other, the common case: read in place
            // from the bytes at hand. Anything else (another stream, junk, a frame reaching
            // past the bytes at hand) is left to the steps below.
            const int64_t debut_vue = pos;
            if (const uint8_t* vue = s.voir(pos, kVue)) {
                const int64_t limite = std::min(e.fin, s.fin_vue());
                Trame u;
                while (pos + kEntete <= limite) {
                    const uint8_t* p = vue + (pos - debut_vue);
                    if (!entete(p, u) || pos + u.longueur > limite || !meme_flux(u, *precedente)) break;
                    if (!decalage_information(p, u)) {
                        echantillons[u.indice_frequence] += u.echantillons;
                        frequences[u.indice_frequence] = u.frequence;
                    }
                    pos += u.longueur;
                    *precedente = u;
                }
            }
            if (pos + 4 > e.fin) break;
        }
        std::optional<Trame> t;
        if (precedente) {
            t = trame_a(s, pos, e.fin);
            if (t && !meme_flux(*t, *precedente) && !suivie(s, pos, *t, e.fin)) t.reset();
        }
        if (!t) {
            t = chercher_trame(s, pos, e.fin, e.fin);
            if (!t) break;
        }
        if (!decalage_information(s, pos, *t)) {
            echantillons[t->indice_frequence] += t->echantillons;
            frequences[t->indice_frequence] = t->frequence;
        }
        trouve = true;
        pos += t->longueur;
        precedente = t;
    }
    if (!trouve) return std::nullopt;
    double secondes = 0;
    for (int i = 0; i < kRythmes; ++i)
        if (echantillons[i]) secondes += double(echantillons[i]) / frequences[i];
    return secondes;
}

// The end of the stream before the tags behind it (ID3v1, APE, ID3v2 with footer).
int64_t fin_sans_tags(Source& s, int64_t debut, int64_t fin) {
    for (bool encore = true; encore;) {
        encore = false;
        if (fin - 128 >= debut) {
            const uint8_t* p = s.voir(fin - 128, 128);
            if (p && memcmp(p, "TAG", 3) == 0) fin -= 128, encore = true;
        }
        if (fin - 32 >= debut) {
            const uint8_t* p = s.voir(fin - 32, 32);
            if (p && memcmp(p, "APETAGEX", 8) == 0) {
                const int64_t corps = petit_boutiste(p + 12);
                fin -= corps + ((petit_boutiste(p + 20) & (1u << 31)) ? 32 : 0);
                encore = true;
            }
        }
        if (fin - 10 >= debut) {
            const uint8_t* p = s.voir(fin - 10, 10);
            if (p && memcmp(p, "3DI", 3) == 0 && ((p[6] | p[7] | p[8] | p[9]) & 0x80) == 0) {
                fin -= 20 + ((int64_t(p[6]) << 21) | (p[7] << 14) | (p[8] << 7) | p[9]);
                encore = true;
            }
        }
        if (fin < debut) return debut;
    }
    return fin;
}

// The frame count of a Xing, Info or VBRI header, when its byte count agrees with the stream's
// size (a stream joined behind another makes them disagree).
std::optional<double> lire_entete(Source& s) {
    const Etendue e = etendue(s);
    if (!e.possible || e.riff) return std::nullopt;
    int64_t pos = e.debut;
    auto t = chercher_trame(s, pos, e.fin, e.debut + kRechercheEntete);
    if (!t) return std::nullopt;
    const int64_t decalage = decalage_information(s, pos, *t);
    if (!decalage) return std::nullopt;
    const uint8_t* p = s.voir(pos + decalage, std::min<int64_t>(t->longueur - decalage, 0x7C));
    if (!p) return std::nullopt;
    int64_t trames = 0, octets = 0;
    if (memcmp(p, "VBRI", 4) == 0) {
        if (decalage + 18 > t->longueur) return std::nullopt;
        octets = gros_boutiste(p + 10);
        trames = gros_boutiste(p + 14);
    } else {
        const uint32_t drapeaux = gros_boutiste(p + 4);
        if ((drapeaux & 3) != 3 || decalage + 16 > t->longueur)
            return std::nullopt;  // both counts, or no way to check
        trames = gros_boutiste(p + 8);
        octets = gros_boutiste(p + 12);
        // Writers that add an encoder extension after the header (at 0x78) count audio
        // frames only; the others count the header frame too.
        const bool extension = decalage + 0x7C <= t->longueur &&
                               std::all_of(p + 0x78, p + 0x7C, [](uint8_t c) { return c >= '0' && c <= 'z'; });
        if (!extension) --trames;
    }
    // The byte count covers the header frame and the audio, not the tags.
    const int64_t flux = fin_sans_tags(s, pos, e.fin) - pos;
    if (trames <= 0 || std::llabs(octets - flux) > 2 * int64_t(t->longueur) + 16) return std::nullopt;
    return double(trames) * t->echantillons / t->frequence;
}

// A guess from the first frames' byte rate and the stream's size: what a deck shows until the
// walk has counted every frame.
std::optional<double> estimer(Source& s) {
    const Etendue e = etendue(s);
    if (!e.possible) return std::nullopt;
    int64_t pos = e.debut;
    if (!chercher_trame(s, pos, e.fin, e.debut + kRechercheEntete)) return std::nullopt;
    const int64_t debut = pos;
    double secondes = 0;
    while (pos < e.fin && pos - debut < kBlocEntete / 2) {
        auto t = trame_a(s, pos, e.fin);
        if (!t) break;
        if (!decalage_information(s, pos, *t)) secondes += double(t->echantillons) / t->frequence;
        pos += t->longueur;
    }
    if (secondes <= 0 || pos <= debut) return std::nullopt;
    return secondes * double(fin_sans_tags(s, debut, e.fin) - debut) / double(pos - debut);
}

// Remembered lengths, by path, size and date of change.
struct Memoire {
    struct Entree {
        int64_t taille;
        int64_t date;
        double duree;
    };
    std::mutex m;
    QHash<QString, Entree> durees;
};
// Never destroyed: a walk may still be running while the program ends.
Memoire& memoire() {
    static auto* m = new Memoire;
    return *m;
}

struct Fichier {
    int fd = -1;
    QString cle;
    int64_t taille = 0;
    int64_t date = 0;
    Fichier(const QString& chemin) {
        const QFileInfo info(chemin);
        if (!info.isFile()) return;
        cle = info.absoluteFilePath();
        fd = ::open(QFile::encodeName(cle).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        struct stat etat {};
        if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
            ::close(fd);
            fd = -1;
            return;
        }
        taille = etat.st_size;
        date = int64_t(etat.st_mtim.tv_sec) * 1000000000 + etat.st_mtim.tv_nsec;
    }
    ~Fichier() {
        if (fd >= 0) ::close(fd);
    }
    bool ouvert() const { return fd >= 0 && taille > 0; }

    std::optional<double> memorisee() const {
        std::lock_guard<std::mutex> l(memoire().m);
        auto it = memoire().durees.constFind(cle);
        if (it != memoire().durees.constEnd() && it->taille == taille && it->date == date)
            return it->duree;
        return std::nullopt;
    }
    void memoriser(double duree) const {
        std::lock_guard<std::mutex> l(memoire().m);
        memoire().durees.insert(cle, {taille, date, duree});
    }
};
}  // namespace

std::optional<double> duree(const uint8_t* data, int64_t taille) {
    if (!data || taille <= 0) return std::nullopt;
    Source s(data, taille);
    return parcourir(s);
}

std::optional<double> duree_rapide(const QString& chemin) {
    Fichier f(chemin);
    if (!f.ouvert()) return std::nullopt;
    if (auto d = f.memorisee()) return d;
    Source s(f.fd, f.taille, nullptr, kBlocEntete);
    auto d = lire_entete(s);
    if (d) f.memoriser(*d);
    return d;
}

bool parcours_necessaire(const QString& chemin) {
    Fichier f(chemin);
    if (!f.ouvert() || f.memorisee()) return false;
    Source s(f.fd, f.taille, nullptr, kBlocEntete);
    if (auto d = lire_entete(s)) {
        f.memoriser(*d);
        return false;
    }
    // Only the first block is searched: other files (and MPEG audio behind much junk) cost one
    // read here.
    const Etendue e = etendue(s);
    int64_t pos = e.debut;
    return e.possible && chercher_trame(s, pos, e.fin, e.debut + kBlocEntete).has_value();
}

std::optional<double> duree_parcours(const QString& chemin, const std::atomic<bool>* arret,
                                     std::atomic<int64_t>* lus) {
    Fichier f(chemin);
    if (!f.ouvert()) return std::nullopt;
    Source s(f.fd, f.taille, arret, kBlocParcours, lus);
    auto d = parcourir(s);
    if (arret && arret->load()) return std::nullopt;
    if (d) f.memoriser(*d);
    return d;
}

std::optional<double> duree_fichier(const QString& chemin) {
    if (auto d = duree_rapide(chemin)) return d;
    return duree_parcours(chemin);
}

std::optional<double> duree_estimee(const QString& chemin) {
    Fichier f(chemin);
    if (!f.ouvert()) return std::nullopt;
    Source s(f.fd, f.taille, nullptr, kBlocEntete);
    return estimer(s);
}

bool contient_mpeg(const QString& chemin) {
    Fichier f(chemin);
    if (!f.ouvert()) return false;
    Source s(f.fd, f.taille, nullptr, kBlocParcours);
    const Etendue e = etendue(s);
    int64_t pos = e.debut;
    return e.possible && chercher_trame(s, pos, e.fin, e.debut + kRechercheAudio).has_value();
}

void oublier_durees() {
    std::lock_guard<std::mutex> l(memoire().m);
    memoire().durees.clear();
}

void brider_lecture(int64_t octets_par_seconde) { g_bride = octets_par_seconde; }
}  // namespace media_mpeg

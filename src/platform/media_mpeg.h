#pragma once
// Length of an MPEG audio stream (layers I to III, MPEG-1, 2 and 2.5, and AAC in ADTS frames).
// GStreamer knows the
// length of such a file only from a Xing or VBRI header and otherwise guesses it from the first
// frames' bit rate, which is wrong for variable bit rate files and for joined streams.
//
// Two ways: the frame count of a Xing, Info or VBRI header when it agrees with the file's size
// (a few kilobytes read), else a walk over every frame (the whole file, read in large
// sequential blocks). Lengths found are remembered by path, size and date.
#include <QString>
#include <atomic>
#include <cstdint>
#include <optional>

namespace media_mpeg {
// Seconds of audio in every frame of an MPEG audio stream held in data, whatever version, layer
// and rate each part has. Any number of ID3v2 and APE tags in front, any amount of junk before
// or between frames and tags behind are skipped; a frame counts only when the next frames
// follow it (or it follows the previous one), so bytes inside a picture are not taken for
// audio. A Xing, Info or VBRI header frame holds no audio and is not counted. MPEG audio inside
// RIFF/WAVE is counted from its data chunk. None when the data holds no such stream.
std::optional<double> duree(const uint8_t* data, int64_t taille);

// The same for a file, by the cheapest way that stays exact: remembered length, agreeing
// header, else a walk. None when the file cannot be read or holds no MPEG audio.
std::optional<double> duree_fichier(const QString& chemin);

// Only what costs no walk: a remembered length, or an agreeing header. None otherwise.
std::optional<double> duree_rapide(const QString& chemin);
// The walk alone (the result is remembered). Stops early, returning none, once *arret is true.
// *lus, when given, grows by the bytes read as the walk reads them.
std::optional<double> duree_parcours(const QString& chemin, const std::atomic<bool>* arret = nullptr,
                                     std::atomic<int64_t>* lus = nullptr);

// Whether the file needs a walk: MPEG audio frames start in the first 64 KiB of its stream
// (past the leading tags), and neither a remembered length nor an agreeing header gives its length
// (a header found agreeing is remembered). A few kilobytes are read.
bool parcours_necessaire(const QString& chemin);

// A guess for the time a walk takes: the first frames' byte rate applied to the whole stream.
// Right for constant bit rates, far off for variable ones. A few kilobytes are read.
std::optional<double> duree_estimee(const QString& chemin);

// Whether MPEG audio frames (confirmed by the next ones) start within the first few megabytes
// past the leading tags, or in a RIFF/WAVE file's MPEG data chunk.
bool contient_mpeg(const QString& chemin);

// Forgets every remembered length.
void oublier_durees();
// Limits the walk's reading to this many bytes a second (0: no limit), as a slow disk would.
// For tests and benchmarks.
void brider_lecture(int64_t octets_par_seconde);
}  // namespace media_mpeg

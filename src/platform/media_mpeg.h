#pragma once
// Length of an MPEG audio stream (layers I to III) by counting its frames. GStreamer knows the
// length of such a file only from a Xing or VBRI header and otherwise guesses it from the first
// frames' bit rate, which is wrong for variable bit rate files.
#include <QString>
#include <cstdint>
#include <optional>

namespace media_mpeg {
// Seconds of audio in the frames of an MPEG audio stream held in data (an ID3v2 tag in front,
// junk between frames and tags behind are skipped; a Xing, Info or VBRI header frame holds no
// audio and is not counted). None when the data is not such a stream.
std::optional<double> duree(const uint8_t* data, int64_t taille);
// The same for a file; none when it cannot be read.
std::optional<double> duree_fichier(const QString& chemin);
}  // namespace media_mpeg

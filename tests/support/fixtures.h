#pragma once
// Media files for the tests, made with GStreamer's encoders into the build folder and kept
// there: a second run, or another test executable, reuses them. Lengths are multiples of 10 ms.
// Encoders pad the end of a stream: allow about 60 ms on the length of what they make.
#include <QString>
#include <cstdint>

namespace fixtures {
enum class Debit { Constant, Variable };

// Folder the files are kept in.
QString dossier();

// MP3, 44.1 kHz stereo. Constant: 128 kbit/s. Variable: a quiet start then loud noise, so that a
// length guessed from the first frames is far off. A Xing header is written only when asked.
QString mp3(double secondes, Debit debit = Debit::Constant, bool xing = false);
QString wav(double secondes);
QString wma(double secondes);
// AVI with picture (JPEG) and, unless said otherwise, sound.
QString avi(double secondes, bool son = true);
// MPEG program stream, MPEG-1 picture and MPEG audio (layer II).
QString mpeg(double secondes);
// No WMV: the WMV picture encoders here produce no frames.

// Mono MPEG audio at a constant 64 kbit/s, layer 2 or 3, at the given rate: raw frames to join,
// tag or wrap.
QString mpeg_audio(double secondes, int couche, int frequence);
// AAC in ADTS frames.
QString aac_adts(double secondes);
// A file of these bytes under this name in the fixture folder.
QString octets(const QString& nom, const QByteArray& contenu);

// Files that are not media, under a media name.
QString texte_nomme_mp3();
QString png_nomme_mp3();
QString fichier_vide();

// While it lives, the frame count reads as from a disk of this many bytes a second
// (media_mpeg::brider_lecture); back to full speed afterwards.
class DisqueLent {
public:
    explicit DisqueLent(int64_t octets_par_seconde);
    ~DisqueLent();
    DisqueLent(const DisqueLent&) = delete;
    DisqueLent& operator=(const DisqueLent&) = delete;
};
}  // namespace fixtures

#pragma once
// What the RTF reader and writer share: picture kinds and resource names.
#include <QByteArray>
#include <QUrl>

class QImage;

namespace rtf_commun {
enum class TypeImage { Aucun, Png, Jpeg };
// PNG or JPEG by the file's signature.
TypeImage type_image(const QByteArray& octets);
// The picture as PNG bytes (what the writer embeds for kinds other than PNG and JPEG).
QByteArray en_png(const QImage& image);
// A resource name no other picture of the program has.
QUrl nom_image_nouveau();
}  // namespace rtf_commun

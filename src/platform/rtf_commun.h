#pragma once
// What the RTF reader and writer share: picture kinds and resource names.
#include <QByteArray>
#include <QUrl>

namespace rtf_commun {
enum class TypeImage { Aucun, Png, Jpeg };
// PNG or JPEG by the file's signature.
TypeImage type_image(const QByteArray& octets);
// A resource name no other picture of the program has.
QUrl nom_image_nouveau();
}  // namespace rtf_commun

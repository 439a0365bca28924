// Any bytes through the frame-header reader, plain and strict: no crash, no read out of
// bounds, and an accepted header always describes a usable stream.
#include "tags/TypeTagMpeg.h"

#include <QBuffer>
#include <cstdlib>

namespace {
void verifier(bool condition) {
    if (!condition) std::abort();
}

void lire(const QByteArray& octets, bool strict) {
    QBuffer flux;
    flux.setData(octets);
    flux.open(QIODevice::ReadOnly);
    TypeTagMpeg entete;
    const TypeTagMpeg copie = entete.lire_entete(flux, strict);
    verifier(copie.Valide() == entete.Valide() && copie.EntetePos() == entete.EntetePos() &&
             copie.BitRate() == entete.BitRate() && copie.Duree() == entete.Duree() &&
             copie.Frames() == entete.Frames() && copie.Vbr() == entete.Vbr());
    if (copie.Taille() == 0) {  // nothing accepted: the initial state
        verifier(!copie.Valide() && copie.BitRate() == 0 && copie.Mpeg().isEmpty());
        return;
    }
    verifier(copie.Taille() == octets.size());
    verifier(copie.EntetePos() >= 0 && copie.EntetePos() < copie.Taille() - 1);
    verifier(static_cast<unsigned char>(octets[copie.EntetePos()]) == 0xFF);
    verifier(copie.BitRate() > 0 && copie.Frequence() > 0);
    verifier(copie.Duree() >= 0 && copie.Frames() >= 0);
    verifier(copie.Mpeg() != QStringLiteral("Réservé") && copie.Layer() != QStringLiteral("Réservé"));
    if (strict) verifier(copie.Layer() == QStringLiteral("II") || copie.Layer() == QStringLiteral("III"));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
    const QByteArray octets(reinterpret_cast<const char*>(data), int(taille));
    lire(octets, false);
    lire(octets, true);
    return 0;
}

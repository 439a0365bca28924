#pragma once
// An entry of an older list ("*.rfm", import only): one 410-byte record, the list record
// without its start field, so the duration sits at byte 402:
//   chemin 0..199, fin_lecture 200..299, genre 300..399, volume 400 (int16), duree_piste 402..409.
#include <QByteArray>
#include <QString>
#include <QVector>
#include <cstdint>

struct TypeEnregRfm {
    QString chemin;
    QString fin_lecture;
    QString genre;
    int16_t volume = 0;
    QString duree_piste;
};

namespace enreg_rfm {
constexpr int Longueur = 410;

// The entry of a record as stored (texts keep their padding).
TypeEnregRfm decoder(const QByteArray& octets);
// Every complete record of a file's bytes; a trailing part of a record is not read.
QVector<TypeEnregRfm> decoder_tout(const QByteArray& contenu);
}  // namespace enreg_rfm

#pragma once
// A playlist entry on disk: one 418-byte record of a list file ("*.dfm"), fields packed with no
// padding, numbers little-endian, texts space-padded to their widths:
//   chemin 0..199, fin_lecture 200..299, genre 300..399, volume 400 (int16),
//   debut_lecture 402 (double), duree_piste 410..417.
#include <QByteArray>
#include <QString>

#include "playlist/TypeEnregListe.h"

namespace enreg_liste {
constexpr int Longueur = 418;
constexpr int LargeurChemin = 200;

// The record's bytes; texts longer than their fields are cut to them.
QByteArray encoder(const TypeEnregListe& e);
// The same bytes written at r (Longueur bytes), for lists built record by record in place.
void encoder_dans(const TypeEnregListe& e, char* r);
// The entry of a record as stored: texts keep their padding (readers trim what they need).
TypeEnregListe decoder(const QByteArray& octets);

// Record numero (1-based) of a list file; a number past the end gives an empty entry.
// Errors are those of the record file (53 missing file, 63 number below 1, ...).
TypeEnregListe lire(const QString& fichier, int numero);
// Writes record numero, creating the file when it is missing.
void ecrire(const QString& fichier, int numero, const TypeEnregListe& e);
}  // namespace enreg_liste

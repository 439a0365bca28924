#pragma once
// String helpers with the platform's run-time semantics: 1-based positions, spaces-only
// trimming, and error 5 (never a Qt assertion) on a negative length or a start below 1.
#include <QString>

namespace rt {
// Remove leading and/or trailing spaces (character 32 only; tabs and line ends stay).
QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);

// The first / last n characters (the whole text when n exceeds its length). n < 0: error 5.
QString Left(const QString& s, int n);
QString Right(const QString& s, int n);
// From the 1-based position debut, longueur characters, or the rest when longueur is -1.
// debut < 1 or longueur < -1: error 5; debut past the end gives "".
QString Mid(const QString& s, int debut, int longueur = -1);

// 1-based position of cherche in s from position debut, 0 when absent. An empty cherche is
// found at debut (0 when debut is past the end + 1). debut < 1: error 5.
int InStr(const QString& s, const QString& cherche, Qt::CaseSensitivity casse = Qt::CaseSensitive);
int InStr(int debut, const QString& s, const QString& cherche,
          Qt::CaseSensitivity casse = Qt::CaseSensitive);
// 1-based position of the last occurrence of cherche that ends at or before position debut
// (-1: the end of s), 0 when absent. debut == 0 or < -1: error 5.
int InStrRev(const QString& s, const QString& cherche, int debut = -1,
             Qt::CaseSensitivity casse = Qt::CaseSensitive);

// A character from its code (0..65535, else error 5) and the code of the first character
// (error 5 on an empty text).
QString Chr(int code);
int Asc(const QString& s);
}  // namespace rt

#pragma once
// Windows-1252, the single-byte code page of ID3v1 tags (and of lists made on the original
// platform). Qt has no codec for it without ICU, so the table lives here.
#include <QByteArray>
#include <QString>

namespace windows1252 {
// Each byte gives one character; the five unassigned codes (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// give the control character of the same number, so bytes always come back unchanged.
QString decoder(const QByteArray& octets);
// One byte per UTF-16 unit; a character the page cannot hold becomes "?".
QByteArray encoder(const QString& texte);
// The byte of one character, or -1 when the page cannot hold it.
int code(QChar c);
// Characters that a tag's text may keep: 32 to 126 and the assigned codes from 128 to 255.
bool imprimable(QChar c);
}  // namespace windows1252

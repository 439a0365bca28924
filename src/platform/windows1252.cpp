#include "platform/windows1252.h"

namespace {
// 0x80 to 0x9F; the unassigned codes map to the control character of the same number.
constexpr char16_t haut[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool non_attribue(int code) {
    return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}
}  // namespace

namespace windows1252 {

QString decoder(const QByteArray& octets) {
    QString texte(octets.size(), Qt::Uninitialized);
    for (int i = 0; i < octets.size(); ++i) {
        const auto o = static_cast<unsigned char>(octets[i]);
        texte[i] = (o >= 0x80 && o < 0xA0) ? QChar(haut[o - 0x80]) : QChar(o);
    }
    return texte;
}

int code(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (int i = 0; i < 32; ++i)
        if (haut[i] == u) return 0x80 + i;
    return -1;
}

QByteArray encoder(const QString& texte) {
    QByteArray octets(texte.size(), Qt::Uninitialized);
    for (int i = 0; i < texte.size(); ++i) {
        const int o = code(texte[i]);
        octets[i] = static_cast<char>(o < 0 ? '?' : o);
    }
    return octets;
}

bool imprimable(QChar c) {
    const int o = code(c);
    if (o < 0) return false;
    if (o >= 32 && o <= 126) return true;
    return o >= 128 && !non_attribue(o);
}

}  // namespace windows1252

#include "platform/chaines.h"

#include "platform/erreur.h"

namespace rt {
namespace {
int premier_non_espace(const QString& s) {
    int i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' ')) ++i;
    return i;
}
int fin_non_espace(const QString& s) {
    int j = s.size();
    while (j > 0 && s.at(j - 1) == QLatin1Char(' ')) --j;
    return j;
}
void exiger(bool condition) {
    if (!condition) throw Erreur(err::AppelInvalide);
}
}  // namespace

QString Trim(const QString& s) {
    const int i = premier_non_espace(s);
    if (i == s.size()) return QString();
    return s.mid(i, fin_non_espace(s) - i);
}
QString LTrim(const QString& s) { return s.mid(premier_non_espace(s)); }
QString RTrim(const QString& s) { return s.left(fin_non_espace(s)); }

QString Left(const QString& s, int n) {
    exiger(n >= 0);
    return s.left(n);
}

QString Right(const QString& s, int n) {
    exiger(n >= 0);
    return n >= s.size() ? s : s.right(n);
}

QString Mid(const QString& s, int debut, int longueur) {
    exiger(debut >= 1 && longueur >= -1);
    if (debut > s.size()) return QString();
    return s.mid(debut - 1, longueur);
}

int InStr(const QString& s, const QString& cherche, Qt::CaseSensitivity casse) {
    return InStr(1, s, cherche, casse);
}

int InStr(int debut, const QString& s, const QString& cherche, Qt::CaseSensitivity casse) {
    exiger(debut >= 1);
    if (debut > s.size() + 1) return 0;
    if (cherche.isEmpty()) return debut;
    return s.indexOf(cherche, debut - 1, casse) + 1;
}

int InStrRev(const QString& s, const QString& cherche, int debut, Qt::CaseSensitivity casse) {
    exiger(debut == -1 || debut >= 1);
    if (debut == -1) debut = s.size();
    if (debut > s.size()) return 0;
    if (cherche.isEmpty()) return debut;
    // The match must end at or before debut, so it starts at or before debut - length.
    const int dernier_depart = debut - cherche.size();
    if (dernier_depart < 0) return 0;
    return s.lastIndexOf(cherche, dernier_depart, casse) + 1;
}

QString Chr(int code) {
    exiger(code >= 0 && code <= 0xFFFF);
    return QString(QChar(char16_t(code)));
}

int Asc(const QString& s) {
    exiger(!s.isEmpty());
    return s.at(0).unicode();
}
}  // namespace rt

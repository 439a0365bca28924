#include "platform/conversions.h"

#include <QLocale>
#include <cmath>
#include <limits>

#include "platform/erreur.h"

namespace rt {
namespace {
// Parses the whole text as [sign] digits [sep digits] [e [sign] digits], either separator.
// Returns false when the text is not such a number.
bool analyser(const QString& texte, double& valeur, bool prefixe_seulement) {
    const QString s = prefixe_seulement ? texte : texte.trimmed();
    int i = 0;
    const int n = s.size();
    if (prefixe_seulement)
        while (i < n && (s[i] == QLatin1Char(' ') || s[i] == QLatin1Char('\t'))) ++i;
    auto chiffre = [&](int k) { return k < n && s[k].unicode() >= '0' && s[k].unicode() <= '9'; };
    auto signe = [&](int k) { return k < n && (s[k] == QLatin1Char('+') || s[k] == QLatin1Char('-')); };
    QByteArray nombre;
    if (signe(i)) nombre += char(s[i++].unicode());
    int chiffres = 0;
    for (; chiffre(i); ++chiffres) nombre += char(s[i++].unicode());
    if (i < n && (s[i] == QLatin1Char('.') || s[i] == QLatin1Char(','))) {
        ++i;
        nombre += '.';
        for (; chiffre(i); ++chiffres) nombre += char(s[i++].unicode());
    }
    if (chiffres == 0) return false;
    // An exponent counts only when digits follow it.
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        int j = i + 1;
        QByteArray exposant = "e";
        if (signe(j)) exposant += char(s[j++].unicode());
        const int debut = j;
        while (chiffre(j)) exposant += char(s[j++].unicode());
        if (j > debut) {
            nombre += exposant;
            i = j;
        }
    }
    if (!prefixe_seulement && i != n) return false;
    bool ok = false;
    valeur = QLocale::c().toDouble(QString::fromLatin1(nombre), &ok);
    // The C locale refuses an overflowing exponent: that is still a number, just too big.
    if (!ok) valeur = nombre.startsWith('-') ? -HUGE_VAL : HUGE_VAL;
    return true;
}

template <typename T>
T arrondir(double x) {
    if (std::isnan(x)) throw Erreur(err::Depassement);
    const double r = std::nearbyint(x);  // default rounding mode: halves to even
    if (r < double(std::numeric_limits<T>::min()) || r > double(std::numeric_limits<T>::max()))
        throw Erreur(err::Depassement);
    return T(r);
}

std::function<QDateTime()>& horloge_choisie() {
    static std::function<QDateTime()> h;
    return h;
}
}  // namespace

int16_t CInt(double x) { return arrondir<int16_t>(x); }
int16_t CInt(const QString& texte) { return arrondir<int16_t>(CDbl(texte)); }
int32_t CLng(double x) { return arrondir<int32_t>(x); }
int32_t CLng(const QString& texte) { return arrondir<int32_t>(CDbl(texte)); }

double CDbl(const QString& texte) {
    double v = 0;
    if (!analyser(texte, v, false)) throw Erreur(err::TypeIncompatible);
    if (std::isinf(v)) throw Erreur(err::Depassement);
    return v;
}

double Val(const QString& texte) {
    double v = 0;
    return analyser(texte, v, true) ? v : 0.0;
}

bool IsNumeric(const QString& texte) {
    double v = 0;
    return analyser(texte, v, false) && std::isfinite(v);
}

bool nombre_simple(const QString& texte, double& valeur) {
    // Up to 15 digits are held exactly by an integer and by a double, as is every power of
    // ten up to 1e15: one correctly rounded division then gives the correctly rounded value,
    // the one the general parser finds.
    static constexpr double Puissances[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const qsizetype n = texte.size();
    if (n == 0 || n > 17) return false;
    const char16_t* c = reinterpret_cast<const char16_t*>(texte.constData());
    qsizetype i = 0;
    const bool negatif = c[0] == u'-';
    if (negatif) ++i;
    quint64 mantisse = 0;
    int entiers = 0, decimales = 0;
    for (; i < n && c[i] >= u'0' && c[i] <= u'9'; ++i, ++entiers) mantisse = mantisse * 10 + (c[i] - u'0');
    if (entiers == 0) return false;
    if (i < n) {
        if (c[i] != u'.') return false;
        for (++i; i < n && c[i] >= u'0' && c[i] <= u'9'; ++i, ++decimales) mantisse = mantisse * 10 + (c[i] - u'0');
        if (i < n || decimales == 0) return false;
    }
    if (entiers + decimales > 15) return false;
    if (negatif && mantisse == 0) return false;  // the sign of a negative zero is the parser's to decide
    const double v = double(mantisse) / Puissances[decimales];
    valeur = negatif ? -v : v;
    return true;
}

QString separateur_decimal() { return QLocale().decimalPoint(); }

QString CStr(double x) {
    QString s = QString::number(x, 'g', 15).toUpper();
    s.replace(QLatin1Char('.'), separateur_decimal());
    return s;
}

QString format_nombre(double x) {
    // Halves away from zero on the hundredths, as the platform's formatter does.
    double centiemes = std::round(x * 100.0);
    if (centiemes == 0.0) centiemes = 0.0;  // no "-0.00"
    QString s = QString::number(centiemes / 100.0, 'f', 2);
    s.replace(QLatin1Char('.'), separateur_decimal());
    return s;
}

QString texte_date(const QDate& d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }
QString texte_heure(const QTime& t) { return t.toString(QStringLiteral("HH:mm:ss")); }
QString texte_date_longue(const QDate& d) { return QLocale().toString(d, QStringLiteral("dddd, dd MMMM yyyy")); }
QString Date() { return texte_date(maintenant().date()); }
QString Time() { return texte_heure(maintenant().time()); }

QDateTime maintenant() {
    const auto& h = horloge_choisie();
    return h ? h() : QDateTime::currentDateTime();
}

void definir_horloge(std::function<QDateTime()> horloge) { horloge_choisie() = std::move(horloge); }
}  // namespace rt

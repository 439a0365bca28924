#pragma once
// Number and date conversions with the platform's run-time semantics.
// Text to number: spaces around are ignored and either "." or "," is taken as the decimal
// separator, so numbers shown with the user's separator and the texts stored with a point both
// convert. Empty or non-numeric text raises error 13, a value outside the target type error 6.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>

namespace rt {
// Round to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
int16_t CInt(double x);
int16_t CInt(const QString& texte);
int32_t CLng(double x);
int32_t CLng(const QString& texte);

// Strict conversion of a whole text to a double (error 13 when it is not a number).
double CDbl(const QString& texte);
// Lenient conversion: the number at the start of the text, 0 when there is none.
// "12.5 s" -> 12.5, "abc" -> 0, " -3,25" -> -3.25.
double Val(const QString& texte);
// Is the text a number that CDbl accepts?
bool IsNumeric(const QString& texte);
// The value of a plain decimal text ("12.34", "0", "-3": an optional minus, at most 15 digits,
// a point between digits), the same double CDbl gives, without its general parser; false for
// any other text, which CDbl must then convert.
bool nombre_simple(const QString& texte, double& valeur);

// A double as plain decimal text with the user's decimal separator (0.1 -> "0,1" in French),
// up to 15 significant digits; whole numbers have no decimals.
QString CStr(double x);

// The "####0.00" (and "0.00") format: at least one integer digit, exactly two decimals,
// the user's decimal separator, no grouping; exact halves round away from zero.
QString format_nombre(double x);

// The user's decimal separator (the default QLocale's; tests set it with QLocale::setDefault).
QString separateur_decimal();

// Date and time texts as the system prints them: "dd/MM/yyyy" and "HH:mm:ss".
QString texte_date(const QDate& d);
QString texte_heure(const QTime& t);
// The long date in the user's language ("dddd, dd MMMM yyyy": "lundi, 03 mars 2025").
QString texte_date_longue(const QDate& d);
// The current date and time texts, from the clock below.
QString Date();
QString Time();

// The clock every date and time of the system comes from; tests may replace it
// (an empty function restores the real clock).
QDateTime maintenant();
void definir_horloge(std::function<QDateTime()> horloge);
}  // namespace rt

#pragma once

#include <QString>

class QLocale;

namespace kvartson {

// The one place where the program reads and shows numbers.
namespace Numbers {

// Reads locale decimal text strictly: blanks around, an optional sign, the
// locale's decimal separator, an optional exponent, no group separators.
// Anything else throws UserError "'<text>' is not a valid floating point value".
double read(const QString &text);
double read(const QString &text, const QLocale &locale);

// The general format: up to 15 significant digits, no trailing zeros, the
// locale's decimal separator; scientific only below 0.00001 or from 10^15 on.
QString show(long double value);
QString show(long double value, const QLocale &locale);

// x is stored as a double, divided by the double nearest 0.01 (0.1), rounded to
// an integer with ties to even and multiplied back, all in extended precision;
// the result is stored as a double.
double twoPlaces(long double value);
double onePlace(long double value);

} // namespace Numbers
} // namespace kvartson

#include "app/numbers.h"

#include "catalogue/catalogueerror.h"

#include <QLocale>
#include <QRegularExpression>

#include <cfenv>
#include <cmath>
#include <cstdio>

namespace kvartson::Numbers {

namespace {

QString notANumber(const QString &text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QChar decimalSeparatorOf(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

long double roundedAt(long double value, double step)
{
    const long double stored = static_cast<double>(value);
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double whole = std::nearbyintl(stored / static_cast<long double>(step));
    std::fesetround(previous);
    return whole * static_cast<long double>(step);
}

} // namespace

double read(const QString &text)
{
    return read(text, QLocale());
}

double read(const QString &text, const QLocale &locale)
{
    const QChar separator = decimalSeparatorOf(locale);
    const QString trimmed = text.trimmed();
    // Digits with at most one decimal separator, then an optional exponent.
    static const QString pattern = QStringLiteral("^[+-]?(\\d+(%1\\d*)?|%1\\d+)([eE][+-]?\\d+)?$");
    const QRegularExpression shape(pattern.arg(QRegularExpression::escape(QString(separator))));
    if (trimmed.isEmpty() || !shape.match(trimmed).hasMatch())
        throw UserError(notANumber(text));
    QString cLocaleText = trimmed;
    cLocaleText.replace(separator, QLatin1Char('.'));
    bool ok = false;
    const double value = cLocaleText.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw UserError(notANumber(text));
    return value;
}

QString show(long double value)
{
    return show(value, QLocale());
}

QString show(long double value, const QLocale &locale)
{
    if (value == 0)
        return QStringLiteral("0");
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14Le", value);
    // buffer: [-]d.dddddddddddddde[+-]xx — 15 significant digits.
    QString text = QString::fromLatin1(buffer);
    const int ePos = text.indexOf(QLatin1Char('e'));
    QString mantissa = text.left(ePos);
    const int exponent = text.mid(ePos + 1).toInt();
    const bool negative = mantissa.startsWith(QLatin1Char('-'));
    if (negative)
        mantissa.remove(0, 1);
    QString digits = mantissa;
    digits.remove(QLatin1Char('.'));
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    const QChar separator = decimalSeparatorOf(locale);
    QString result;
    // Decided on the rounded digits, as for 10^15, so that a value that rounds
    // to 0.00001 shows like 0.00001 itself.
    if (exponent < -5 || exponent >= 15) {
        result = digits.left(1);
        if (digits.size() > 1)
            result += separator + digits.mid(1);
        result += QStringLiteral("E") + QString::number(exponent);
    } else if (exponent < 0) {
        result = QStringLiteral("0") + separator + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (digits.size() <= exponent + 1) {
        result = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        result = digits.left(exponent + 1) + separator + digits.mid(exponent + 1);
    }
    return negative ? QLatin1Char('-') + result : result;
}

double twoPlaces(long double value)
{
    return static_cast<double>(roundedAt(value, 0.01));
}

double onePlace(long double value)
{
    return static_cast<double>(roundedAt(value, 0.1));
}

} // namespace kvartson::Numbers

#include "calc/formatmass.h"

#include <cmath>

namespace {

struct Pattern
{
    int minDecimals;
    int maxDecimals;
};

Pattern parsePattern(const QString &pattern)
{
    // "0.0" followed by as many "#" as optional decimals.
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    if (point < 0)
        return {0, 0};
    const QString decimals = pattern.mid(point + 1);
    return {int(decimals.count(QLatin1Char('0'))), int(decimals.size())};
}

} // namespace

QString FormatMass(double value, const QString &pattern, const QLocale &locale)
{
    const Pattern p = parsePattern(pattern);
    if (!std::isfinite(value))
        return QString();

    // 15 significant digits, "d.dddddddddddddde±x".
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    QString digits = scientific.left(e);
    digits.remove(QLatin1Char('.'));
    const int exponent = scientific.mid(e + 1).toInt();

    // Place the digits around the decimal point: integer part and fraction.
    QString integerPart;
    QString fraction;
    if (exponent >= 0) {
        const QString padded = digits.leftJustified(exponent + 1, QLatin1Char('0'));
        integerPart = padded.left(exponent + 1);
        fraction = padded.mid(exponent + 1);
    } else {
        integerPart = QStringLiteral("0");
        fraction = QString(-exponent - 1, QLatin1Char('0')) + digits;
    }

    // Round half away from zero at the last decimal the pattern allows.
    fraction = fraction.leftJustified(p.maxDecimals + 1, QLatin1Char('0'));
    const bool roundUp = fraction.at(p.maxDecimals) >= QLatin1Char('5');
    QString kept = integerPart + fraction.left(p.maxDecimals);
    if (roundUp) {
        qsizetype i = kept.size() - 1;
        while (i >= 0 && kept.at(i) == QLatin1Char('9'))
            kept[i--] = QLatin1Char('0');
        if (i >= 0)
            kept[i] = QChar(kept.at(i).unicode() + 1);
        else
            kept.prepend(QLatin1Char('1'));
    }
    integerPart = kept.left(kept.size() - p.maxDecimals);
    fraction = kept.right(p.maxDecimals);
    while (fraction.size() > p.minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    while (integerPart.size() > 1 && integerPart.startsWith(QLatin1Char('0')))
        integerPart.remove(0, 1);

    QString text = integerPart;
    if (!fraction.isEmpty())
        text += locale.decimalPoint() + fraction;
    // A negative value keeps its sign, also when it rounds to zero ("-0.0").
    if (value < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

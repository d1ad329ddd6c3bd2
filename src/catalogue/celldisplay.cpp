#include "catalogue/celldisplay.h"

#include <QRegularExpression>

QString DisplayedCell(const QString &stored, const QLocale &locale)
{
    static const QRegularExpression decimal(QStringLiteral("^(-?)(\\d+)\\.(\\d+)$"));
    const QRegularExpressionMatch m = decimal.match(stored);
    if (!m.hasMatch())
        return stored;
    // Only the signs change: the digits, and so the number of decimals, stay as stored.
    const QString sign = m.captured(1).isEmpty() ? QString() : locale.negativeSign();
    return sign + m.captured(2) + locale.decimalPoint() + m.captured(3);
}

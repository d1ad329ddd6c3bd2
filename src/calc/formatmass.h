#pragma once

#include <QLocale>
#include <QString>

// Writes a mass with one of the result patterns: "0.0" (one decimal), "0.0#" (one or two),
// "0.0##" (one to three). The value is first written with 15 significant digits and rounded
// on those decimal digits, halves away from zero, as a desktop number formatter does: so 2.25
// gives 2.3 and 1.005 with "0.0#" gives 1.01, although the nearest doubles lie just below those
// halves. No grouping; the decimal separator is the locale's.
QString FormatMass(double value, const QString &pattern, const QLocale &locale = QLocale());

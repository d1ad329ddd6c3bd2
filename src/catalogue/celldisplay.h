#pragma once

#include <QLocale>
#include <QString>

// How the size grid shows a stored cell: a plain decimal ("4.61", "12.0", "-0.5") with the
// regional decimal separator and its decimals as stored ("4,61", "12,0" under Russian
// conventions); every other text ("20Б1", "М12", "2.5/1.6", "2350") as stored. The mass rules
// read the stored text, with its point, never this one.
QString DisplayedCell(const QString &stored, const QLocale &locale = QLocale());

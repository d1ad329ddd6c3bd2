#pragma once

#include <QList>
#include <QLocale>
#include <QString>

#include <cstdint>

// "Ведомость метизов": the bolts, nuts, washers and the other fasteners of the materials list,
// one row per designation with its count, the mass of one piece and the mass of them all, in
// kilograms, and the total. The masses of one piece are printed to the gram, and a row's mass
// is its count times that printed mass, so that every row multiplies out and the total is the
// sum of the printed rows.
namespace FastenerStatement {

struct Line
{
    QString designation;   // "Болт М16-6gx60.58 ГОСТ 7798-70"
    QString standard;      // "ГОСТ 7798-70"
    int kindOrder = 0;     // rows stand by kind, then by size
    int sizeOrder = 0;
    double count = 0;
    double onePieceKg = 0;
};

struct Row
{
    QString designation;
    QString standard;
    double count = 0;
    std::int64_t onePieceGrams = 0;
    std::int64_t totalGrams = 0;
};

struct Statement
{
    QList<Row> rows;
    std::int64_t totalGrams = 0;

    bool isEmpty() const { return rows.isEmpty(); }
};

// Lines of one designation and the same mass of one piece are one row, their counts added.
Statement make(const QList<Line> &lines);

// Grams as kilograms with three decimals, the locale's separator, no grouping.
QString kilograms(std::int64_t grams, const QLocale &locale = QLocale());

inline const QString Title = QStringLiteral("Ведомость метизов");

} // namespace FastenerStatement

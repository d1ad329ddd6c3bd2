#pragma once

#include <QList>
#include <QLocale>
#include <QString>

#include <cstdint>

// "Ведомость расхода стали": the reinforcement, the wire and the mesh of the materials list,
// grouped by the bar's class (or the product's kind) with its standard and, within one, by
// diameter or size, in kilograms to a tenth, with a total per class or kind and the total of
// all. Each size's mass is rounded first, and every total is the sum of the printed masses.
namespace SteelUseStatement {

struct Line
{
    QString kind;        // "Арматура А500С ГОСТ 34028-2016", "Проволока ГОСТ 3282-74"
    int kindOrder = 0;   // kinds stand in this order, then by their text
    QString size;        // "⌀12"
    int sizeOrder = 0;
    double massKg = 0;
};

struct Row
{
    enum class Kind { Size, KindTotal, Total };
    Kind kind = Kind::Size;
    QString product; // the kind, on its first row
    QString size;    // the size, or the total's caption
    std::int64_t tenthsKg = 0;
};

struct Statement
{
    QList<Row> rows;

    bool isEmpty() const { return rows.isEmpty(); }
};

Statement make(const QList<Line> &lines);

// Tenths of a kilogram as shown: "12,5".
QString kilograms(std::int64_t tenths, const QLocale &locale = QLocale());

inline const QString Title = QStringLiteral("Ведомость расхода стали");
inline const QString KindTotalText = QStringLiteral("Итого:");
inline const QString TotalText = QStringLiteral("Всего:");

} // namespace SteelUseStatement

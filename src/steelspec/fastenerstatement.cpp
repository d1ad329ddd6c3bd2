#include "steelspec/fastenerstatement.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace FastenerStatement {

namespace {

std::int64_t grams(double kg)
{
    return std::llround(std::round(kg * 1e9) / 1e6);
}

} // namespace

Statement make(const QList<Line> &lines)
{
    QList<Line> sorted = lines;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Line &a, const Line &b) {
        return std::tie(a.kindOrder, a.sizeOrder) < std::tie(b.kindOrder, b.sizeOrder);
    });
    Statement statement;
    for (const Line &line : std::as_const(sorted)) {
        const std::int64_t one = grams(line.onePieceKg);
        auto row = std::find_if(statement.rows.begin(), statement.rows.end(), [&](const Row &r) {
            return r.designation == line.designation && r.onePieceGrams == one;
        });
        if (row == statement.rows.end())
            row = statement.rows.insert(statement.rows.end(), {line.designation, line.standard, 0, one, 0});
        row->count += line.count;
    }
    for (Row &row : statement.rows) {
        row.totalGrams = std::llround(row.count * double(row.onePieceGrams));
        statement.totalGrams += row.totalGrams;
    }
    return statement;
}

QString kilograms(std::int64_t grams, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(double(grams) / 1000, 'f', 3);
}

} // namespace FastenerStatement

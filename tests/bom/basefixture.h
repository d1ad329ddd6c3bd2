#pragma once

#include "bom/bomcapture.h"
#include "bom/bomrestore.h"
#include "catalogue/catalogue.h"

#include <QString>
#include <QStringList>
#include <QTest>

// The rows of the built reference base, and items made from them as the calculator makes them
// (the kind's state, the row, the inputs in the window's units).
class BaseFixture
{
public:
    BaseFixture() : rows(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb")) {}

    static Catalogue::Kind kind(int toolbar, int button, bool stainless = false)
    {
        const std::optional<Catalogue::Kind> k = Catalogue::find(
            toolbar, button, stainless ? Catalogue::PipeAnswer::Yes : Catalogue::PipeAnswer::No);
        if (!k)
            qFatal("no kind %d/%d", toolbar, button);
        return *k;
    }

    // The first row of the kind's table whose leading cells are these; -1 if none.
    int find(const Catalogue::Kind &k, const QStringList &leading)
    {
        const QList<QStringList> *table = rows.rows(k);
        for (int r = 0; table && r < table->size(); ++r)
            if (table->at(r).mid(0, leading.size()) == leading)
                return r;
        return -1;
    }

    QStringList cells(const Catalogue::Kind &k, int row) { return rows.rows(k)->value(row); }

    // An item as the calculator gives it for this row, option and inputs (kilograms; lengths
    // in the given length divisor's unit).
    BomItem item(const Catalogue::Kind &k, const QStringList &leading, CalcInputs inputs,
                 ProductOption option = ProductOption::None, int16_t lengthDivisor = 1000)
    {
        const int row = find(k, leading);
        if (row < 0)
            qFatal("no row %s", qPrintable(leading.join(QLatin1Char(','))));
        std::optional<CalcState> state = stateFor(k, row, cells(k, row), option);
        if (!state)
            qFatal("no state");
        state->LengthDivisor = lengthDivisor;
        const std::optional<BomItem> made = makeItem({k, row, cells(k, row), *state, inputs, option});
        if (!made)
            qFatal("no item");
        return *made;
    }

    BaseKindRows rows;
};

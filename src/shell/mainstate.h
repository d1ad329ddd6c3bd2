#pragma once

#include "calc/massrules.h"

#include <QString>

#include <array>

// The state the main window shares with every handler, alive from load to close: the
// calculation state the mass rules read (16-bit integers and a single-precision UnitMass on
// purpose), and the fields of the other subsystems.
struct MainState : CalcState
{
    static constexpr int ListRows = 20;
    using ListRecord = std::array<QString, 2>;

    QString ProgramDir;
    QString PrecisionFormat;
    QString PictureFile;
    std::array<ListRecord, ListRows> ListRecords;
};

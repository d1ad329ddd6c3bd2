#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The state the main window shares with every handler, alive from load to close. The integer
// fields are 16-bit and UnitMass is single precision on purpose: the mass rules are defined on
// exactly these widths.
struct MainState
{
    static constexpr int ListRows = 20;
    using ListRecord = std::array<QString, 2>;

    QString ProgramDir;
    int16_t MassDivisor = 0;
    int16_t LengthDivisor = 0;
    QString PrecisionFormat;
    int16_t UnitMassDivisor = 0;
    int16_t CalcMode = 0;
    int16_t MassColumn = 0;
    float UnitMass = 0.0f;
    QString PictureFile;
    std::array<ListRecord, ListRows> ListRecords;
};

#pragma once

#include "session/sessionstate.h"

#include <QString>

#include <array>

// The state the main window shares with every handler, alive from load to close: the
// calculator session's state (the calculation state the mass rules read, 16-bit integers and a
// single-precision UnitMass on purpose, the precision and the drawing), and what the start-up
// found.
struct MainState : SessionState
{
    static constexpr int ListRows = 20;
    using ListRecord = std::array<QString, 2>;

    QString ProgramDir;
    std::array<ListRecord, ListRows> ListRecords;
};

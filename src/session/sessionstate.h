#pragma once

#include "calc/massrules.h"

#include <QString>

// What the calculator session holds of the calculation beyond the rules' own state: the
// precision the results are written with and the drawing shown, by file name.
struct SessionState : CalcState
{
    QString PrecisionFormat; // "0.0", "0.0#" or "0.0##"
    QString PictureFile;     // in the program directory
};

#pragma once

#include <QString>

// Where a damaged file of the user's is kept before the program first rewrites it: beside it,
// "<name>.bak", and when that is taken by an earlier copy, "<name>.2.bak", "<name>.3.bak" and
// on, so no copy ever replaces another.
namespace BackupName {

// The first of those names that nothing stands at.
QString firstFree(const QString &path);

} // namespace BackupName

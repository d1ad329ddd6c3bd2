#pragma once

#include "bom/billofmaterials.h"
#include "bom/bomrestore.h"

#include <QString>

// The list kept between runs in the user's data directory, and the named list files the user
// opens and saves, all in the list file format (BomCsv). Files are replaced whole, through a
// temporary file in the same directory, so a failed write leaves the old file as it was.
namespace BomStore {

// The largest file read as a list: ten thousand items take about a megabyte.
inline constexpr qint64 MaxListFileSize = 64 * 1024 * 1024;

// The kept list's file in the user's data directory.
QString keptListPath(const QString &userDataDir);

struct Loaded
{
    bool found = false;    // something is there
    bool readable = false; // it is a regular file of at most MaxListFileSize, and could be read
    BomRestore::Result result;
};

// Reads a list file; bytes, when given, receive what was read.
Loaded load(const QString &path, BomKindRows &rows, QByteArray *bytes = nullptr);

// Writes the list through SafeFile (the old file stays whole when that fails); false with the
// reason when it cannot be written. Creates the directory.
bool save(const BillOfMaterials &list, const QString &path, QString *error = nullptr);

// The one message for a file read only in part (skipped lines named), or unreadable.
QString damagedMessage(const QString &path, const Loaded &loaded);

} // namespace BomStore

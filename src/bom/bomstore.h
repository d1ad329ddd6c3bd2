#pragma once

#include "bom/billofmaterials.h"
#include "bom/bomrestore.h"

#include <QString>

// The list kept between runs in the user's data directory, and the named list files the user
// opens and saves, all in the list file format (BomCsv). Files are replaced whole, through a
// temporary file in the same directory, so a failed write leaves the old file as it was.
namespace BomStore {

// The kept list's file in the user's data directory.
QString keptListPath(const QString &userDataDir);

struct Loaded
{
    bool found = false;    // the file exists
    bool readable = false; // it could be opened
    BomRestore::Result result;
};

Loaded load(const QString &path, BomKindRows &rows);

// Writes the list; false with the reason when it cannot be written. Creates the directory.
bool save(const BillOfMaterials &list, const QString &path, QString *error = nullptr);

// The one message for a file read only in part (skipped lines named), or unreadable.
QString damagedMessage(const QString &path, const Loaded &loaded);

} // namespace BomStore

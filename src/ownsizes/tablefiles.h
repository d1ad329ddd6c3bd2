#pragma once

#include <QString>
#include <QStringList>

// The file of every table of the reference base, named as its source in data/tables: the
// user's own sizes of a table lie in a file of the same name, so a file of the build's format
// and a file of the user's are told apart only by their directory.
namespace OwnSizes {

// "z_profil.csv" for "z профиль"; empty for a table the base does not have.
QString tableFileName(const QString &table);

// Every table that has a file, in the order of their file names.
QStringList tablesWithFiles();

} // namespace OwnSizes

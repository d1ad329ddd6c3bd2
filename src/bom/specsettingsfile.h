#pragma once

#include "bom/bomspec.h"

#include <QByteArray>
#include <QString>

// What the list keeps beside its items for its specification: the project's name and the
// sheet's title, the unit of the masses, the allowance line, and the grade and group the next
// items take. A small text file beside the kept list ("name=value" lines, UTF-8, the percent
// with a decimal point under every locale), written through SafeFile only when the user
// changes one of them; a line that cannot be read leaves its setting as it was.
struct SpecSettings
{
    BomSpec::Settings spec;
    QString nextGrade;
    QString nextGroup;

    bool operator==(const SpecSettings &other) const;
};

namespace SpecSettingsFile {

// Beside the kept list in the user's data directory.
QString pathBeside(const QString &keptListPath);

QByteArray write(const SpecSettings &settings);
// The settings a file's text holds, the others as a new list has them.
SpecSettings parse(const QByteArray &bytes);

// Nothing (the defaults) for a missing or unreadable file.
SpecSettings load(const QString &path);
// Empty on success, otherwise why not.
QString save(const QString &path, const SpecSettings &settings);

} // namespace SpecSettingsFile

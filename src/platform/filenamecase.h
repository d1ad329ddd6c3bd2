#pragma once

#include <QString>

// Whether the file system tells file names apart by their case, and what follows for a
// directory that the program records for others to find.
namespace FileNameCase {

enum class Rule {
    Sensitive,   // "/opt/Morvex" and "/opt/morvex" are two directories
    Insensitive, // one directory, however it is written (Windows)
};

// The rule of the system the program runs on: Windows ignores case, the others do not.
Rule ofThisSystem();

// A directory as it is recorded: lower-cased where case does not matter, so that one directory
// is always written the same; as it is where case tells directories apart, since the
// lower-cased name would be another directory, or none.
QString recorded(const QString &directory, Rule rule);

// Whether two names are the same directory under the rule.
bool same(const QString &a, const QString &b, Rule rule);

} // namespace FileNameCase

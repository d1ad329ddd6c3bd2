#pragma once

#include <QString>

#include <optional>

// The lenient reading of a text as a number, used on the inputs and on the size table's
// cells: blanks, tabs, line feeds and carriage returns (a pasted line end) are dropped wherever
// they stand, then the longest leading number is read (sign, digits with at most one point,
// exponent with E or D in either case); reading stops at the first character that does not
// fit, and a text without a leading number gives 0. The point is the decimal separator whatever the regional settings.
// A number too large for a double comes back as an infinity, which the mass rules treat as an
// arithmetic error.
double ReadNumber(const QString &text);

// The same reading, telling a text without a leading number (nothing) from a 0.
std::optional<double> ReadLeadingNumber(const QString &text);

// The inputs' form of reading: the first comma, if any, becomes a point (later commas stay),
// so "6,5" typed under Russian conventions reads as 6.5.
double ReadInputNumber(const QString &text);

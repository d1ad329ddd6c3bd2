#pragma once

#include <QString>

#include <optional>

// The texts of the About window.
namespace AboutTexts {

// The caption of the About/Help toggle in its two states.
inline constexpr QStringView AboutCaption = u"About...";
inline constexpr QStringView HelpCaption = u"Help...";

// The notice that the ticker scrolls through Label6 (320 characters): a dotted run, the
// spaced-out request to write to the maker, the maker's e-mail address and a closing dotted run.
QString notice();

// The program's title and version with the maker's site, shown by Label7 once the pictures are
// wiped away.
QString informationText();

// The design-time captions of the two dotted lines: " ." repeated 192 times (Label8, upper)
// and 149 times (Label9, lower).
QString upperDottedLine();
QString lowerDottedLine();

// Rebuilds a stored literal: each character's Windows-1251 code c at 1-based position i
// becomes c + 1 when c is one of 31, 33, 47, 49, 57, 70, 72, 78, 79, 81, and c + i otherwise.
// A character outside the code page counts as "?". Returns nothing when a new code falls
// outside 0..255.
std::optional<QString> UnscrambleText(const QString &literal);

// The Windows-1251 code of a character ('?' for one outside the code page) and back.
int windows1251Code(QChar c);
QChar fromWindows1251(int code);

} // namespace AboutTexts

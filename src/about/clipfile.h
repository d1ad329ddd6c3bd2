#pragma once

#include <QString>

// The animation clip "morvex.avi" that the About window hands to its player.
namespace ClipFile {

inline constexpr QStringView FileName = u"morvex.avi";

// The only length of the clip that the window accepts.
inline constexpr qint64 AnimationFileLength = 85504;

enum class Check {
    Accepted,    // exists, readable, exactly AnimationFileLength bytes
    WrongLength, // exists and readable, any other length
    Unusable,    // missing, unreadable, no regular file (a directory, a FIFO), or its length cannot be had
};

Check check(const QString &path);

} // namespace ClipFile

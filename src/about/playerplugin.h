#pragma once

#include <QString>

class ClipPlayerMaker;

// The player plugin in the program directory, which brings Qt Multimedia and its backend with
// it. Loaded at the first call and kept for the program's run, so a start that never opens the
// About window maps none of those libraries.
namespace PlayerPlugin {

// Where the plugin lies: in the program directory's "plugins", under the name the build gives
// it.
QString path(const QString &programDir);

// The plugin's maker; null where the plugin is missing, damaged or made for another Qt, with
// the reason on the diagnostic output.
ClipPlayerMaker *maker(const QString &programDir);

} // namespace PlayerPlugin

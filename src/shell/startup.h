#pragma once

#include "shell/mainstate.h"

#include <QString>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
struct Environment;

// The start-up's work that is not the window's: the registration in the installed-programs
// list. The design hands the registry location through the main window's hidden controls (the
// root-key name as cboHKey's one list item, the key path in txtKey, the value name in
// txtSubkey) and the value read back through lblValue; the steps between are the plain
// functions of ProgramList. Nothing here stops the start-up.
namespace Startup {

struct HiddenControls
{
    QComboBox *rootKey;
    QLineEdit *keyPath;
    QLineEdit *valueName;
    QLabel *value;
};

// Unscrambles the location into the controls, reads the list directory from the registry into
// lblValue (the registry's messages say what failed), makes the directory where it may and
// writes this program's record into the list; the first records of the list as it was read.
std::array<MainState::ListRecord, MainState::ListRows>
registerProgram(const HiddenControls &controls, const Environment &environment, const QString &programDir);

} // namespace Startup

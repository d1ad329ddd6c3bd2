#include "shell/startup.h"

#include "platform/environment.h"
#include "shell/programlist.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace Startup {

namespace {

// The root-key name is the combo box's single list item, kept scrambled; the unscrambled name
// is its edit text.
void unscrambleLocation(const HiddenControls &controls)
{
    const ProgramList::Location location = ProgramList::location();
    QComboBox *rootKey = controls.rootKey;
    if (rootKey->count() == 0)
        rootKey->addItem(QString::fromLatin1(ProgramList::StoredRootKey));
    rootKey->setCurrentIndex(0);
    rootKey->setEditText(location.rootKey);
    controls.keyPath->setText(location.keyPath);
    controls.valueName->setText(location.valueName);
}

void lookUpListDir(const HiddenControls &controls, const Environment &environment)
{
    const std::optional<std::uint32_t> rootKey = ProgramList::rootKeyHandle(controls.rootKey->currentText());
    if (!rootKey || !environment.registry)
        return;
    controls.value->setText(ReadRegistryString(*environment.registry, *environment.messages, *rootKey,
                                               controls.keyPath->text(), controls.valueName->text()));
}

} // namespace

std::array<MainState::ListRecord, MainState::ListRows>
registerProgram(const HiddenControls &controls, const Environment &environment, const QString &programDir)
{
    unscrambleLocation(controls);
    lookUpListDir(controls, environment);
    // The list file: no failure here is shown or stops the start-up. A new user has no list
    // directory in the home yet.
    const QString listDir = ProgramList::listDirFrom(controls.value->text(), environment.rootDir);
    ProgramList::makeListDir(listDir, environment.homeDir);
    return ProgramList::listRows(ProgramList::registerProgram(listDir, programDir).recordsRead);
}

} // namespace Startup

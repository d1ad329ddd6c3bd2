#pragma once

#include <QColor>
#include <QHash>
#include <QString>

#include <initializer_list>
#include <span>

class QWidget;

// A window's layout as data: one row per control with its name, kind, container, caption, the
// design's twips and its look, so the code can be held against the design line by line.
struct ControlSpec
{
    enum class Kind { Frame, Label, TextBox, Button, Option, ComboBox, Premade };

    struct Look
    {
        const char *fontFamily = nullptr; // nullptr: the window's default font
        double pointSize = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        QColor text = {};       // invalid: the default
        QColor background = {}; // invalid: the default
        const char *toolTip = nullptr;
        bool hidden = false;
        bool checked = false;
        bool centred = false;
        bool pointingHand = false;
    };

    const char *name;
    Kind kind;
    const char *container; // nullptr: the window itself
    const char *caption;   // UTF-8
    int left, top, width, height; // twips
    Look look = {};
};

// Creates the controls of the table on the window, in table order (a later control lies above an
// earlier one where they overlap, unless the caller restacks them). Controls of kind Premade are
// taken from the premade widgets by name and only placed and dressed. Returns every control by
// name.
QHash<QString, QWidget *> buildControls(QWidget *window, std::span<const ControlSpec> table,
                                        const QHash<QString, QWidget *> &premade = {});
inline QHash<QString, QWidget *> buildControls(QWidget *window, std::initializer_list<ControlSpec> table,
                                               const QHash<QString, QWidget *> &premade = {})
{
    return buildControls(window, std::span<const ControlSpec>(table.begin(), table.size()), premade);
}

#include "catalogue/catalogue.h"

#include "catalogue/kinddescription.h"

namespace Catalogue {

const QList<Kind> &kinds()
{
    return KindDescription::builtIn().kinds();
}

const QList<Group> &groups()
{
    return KindDescription::builtIn().groups();
}

const Kind *find(const QString &id)
{
    for (const Kind &kind : kinds())
        if (kind.id == id)
            return &kind;
    return nullptr;
}

std::optional<Kind> find(int toolbar, int button, PipeAnswer answer)
{
    for (const Kind &kind : kinds())
        if (button > 0 && kind.toolbar == toolbar && kind.button == button
            && (kind.answer == PipeAnswer::Any || kind.answer == answer))
            return kind;
    return std::nullopt;
}

// The group toolbar's tooltips are the groups' names.
QStringList toolTips(int toolbar)
{
    QStringList tips;
    for (const Group &group : groups()) {
        if (toolbar == 1)
            tips.append(group.name);
        else if (group.toolbar == toolbar)
            return group.buttons;
    }
    return tips;
}

InputStates groupInputs(int toolbar)
{
    for (const Group &group : groups())
        if (group.toolbar == toolbar)
            return group.inputs;
    return {false, true, true, false};
}

InputStates meshInputs()
{
    return {false, false, false, true};
}

InputStates inputsOf(const Kind &kind)
{
    return kind.inputs;
}

bool hasButton(const Kind &kind)
{
    return kind.button > 0;
}

bool asksPipeQuestion(int toolbar, int button)
{
    return toolbar == PipeToolbar && button == PipeButton;
}

} // namespace Catalogue

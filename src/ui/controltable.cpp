#include "ui/controltable.h"

#include "ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QWidget *createControl(const ControlSpec &spec, QWidget *parent)
{
    const QString caption = QString::fromUtf8(spec.caption ? spec.caption : "");
    switch (spec.kind) {
    case ControlSpec::Kind::Frame: return new QGroupBox(caption, parent);
    case ControlSpec::Kind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setAlignment((spec.look.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        return label;
    }
    case ControlSpec::Kind::TextBox: return new QLineEdit(caption, parent);
    case ControlSpec::Kind::Button: return new QPushButton(caption, parent);
    case ControlSpec::Kind::Option: return new QRadioButton(caption, parent);
    case ControlSpec::Kind::ComboBox: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        return combo;
    }
    case ControlSpec::Kind::Premade: break;
    }
    return nullptr;
}

void applyLook(QWidget *widget, const ControlSpec &spec, const QFont &windowFont)
{
    const ControlSpec::Look &look = spec.look;
    // A control that names no font takes the window's, not its frame's: frame captions are
    // bold, the controls inside them are not. Every attribute is set, so none is inherited.
    QFont font = windowFont;
    if (look.fontFamily)
        font.setFamily(QString::fromLatin1(look.fontFamily));
    if (look.pointSize > 0)
        font.setPointSizeF(look.pointSize);
    font.setBold(look.bold);
    font.setItalic(look.italic);
    font.setUnderline(look.underline);
    widget->setFont(font);
    // Every control names its own text colour, so that a coloured frame caption does not
    // colour the controls inside the frame. The colours are those of an enabled control: a
    // disabled one keeps the platform's disabled look (greyed text, the window's background),
    // so that an input the kind does not read does not look as if it could be typed into.
    QPalette palette = widget->palette();
    const QPalette app = QApplication::palette();
    const auto setEnabledColour = [&palette](QPalette::ColorRole role, const QColor &colour) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, role, colour);
    };
    setEnabledColour(QPalette::WindowText, look.text.isValid() ? look.text : app.color(QPalette::WindowText));
    setEnabledColour(QPalette::Text, look.text.isValid() ? look.text : app.color(QPalette::Text));
    setEnabledColour(QPalette::ButtonText, look.text.isValid() ? look.text : app.color(QPalette::ButtonText));
    if (look.background.isValid()) {
        for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
            setEnabledColour(role, look.background);
    }
    widget->setPalette(palette);
    if (look.toolTip)
        widget->setToolTip(QString::fromUtf8(look.toolTip));
    if (look.pointingHand)
        widget->setCursor(Qt::PointingHandCursor);
    if (look.checked)
        if (auto *option = qobject_cast<QRadioButton *>(widget))
            option->setChecked(true);
    if (look.hidden)
        widget->hide();
}

} // namespace

QHash<QString, QWidget *> buildControls(QWidget *window, std::span<const ControlSpec> table,
                                        const QHash<QString, QWidget *> &premade)
{
    QHash<QString, QWidget *> controls;
    for (const ControlSpec &spec : table) {
        const QString name = QString::fromLatin1(spec.name);
        QWidget *parent = spec.container ? controls.value(QString::fromLatin1(spec.container)) : window;
        Q_ASSERT_X(parent, "buildControls", spec.name);
        QWidget *widget = spec.kind == ControlSpec::Kind::Premade ? premade.value(name)
                                                                  : createControl(spec, parent);
        Q_ASSERT_X(widget, "buildControls", spec.name);
        widget->setParent(parent);
        widget->setObjectName(name);
        widget->setGeometry(Twips::rect(spec.left, spec.top, spec.width, spec.height));
        applyLook(widget, spec, window->font());
        if (!spec.look.hidden)
            widget->show();
        controls.insert(name, widget);
    }
    return controls;
}

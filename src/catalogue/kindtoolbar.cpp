#include "catalogue/kindtoolbar.h"

#include <QButtonGroup>
#include <QToolButton>

namespace {
// A toolbar button of the classic look: a 16-pixel icon with a 3 to 4 pixel margin.
constexpr int ButtonWidth = 23;
constexpr int ButtonHeight = 22;
} // namespace

KindToolbar::KindToolbar(QWidget *parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &KindToolbar::buttonClick);
}

void KindToolbar::setButtons(const QList<Button> &buttons, QSize iconSize)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    int index = 1;
    for (const Button &spec : buttons) {
        auto *button = new QToolButton(this);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIcon(spec.icon);
        button->setIconSize(iconSize);
        button->setToolTip(spec.toolTip);
        button->setFocusPolicy(Qt::NoFocus);
        m_group->addButton(button, index++);
        m_buttons.append(button);
    }
    arrangeButtons();
}

int KindToolbar::count() const
{
    return int(m_buttons.size());
}

QToolButton *KindToolbar::button(int index) const
{
    return index >= 1 && index <= count() ? m_buttons.at(index - 1) : nullptr;
}

bool KindToolbar::isPressed(int index) const
{
    const QToolButton *b = button(index);
    return b && b->isChecked();
}

void KindToolbar::releaseAll()
{
    // An exclusive group keeps one button down; lift the rule while releasing them all.
    m_group->setExclusive(false);
    for (QToolButton *b : std::as_const(m_buttons))
        b->setChecked(false);
    m_group->setExclusive(true);
}

void KindToolbar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrangeButtons();
}

// Buttons flow from left to right and wrap into further rows when the toolbar is too narrow,
// the way a wrappable toolbar lays them out.
void KindToolbar::arrangeButtons()
{
    const int perRow = qMax(1, width() / ButtonWidth);
    const int rows = (count() + perRow - 1) / perRow;
    const int rowHeight = rows > 0 ? qMin(ButtonHeight, qMax(1, height() / rows)) : ButtonHeight;
    for (int i = 0; i < count(); ++i)
        m_buttons.at(i)->setGeometry((i % perRow) * ButtonWidth, (i / perRow) * rowHeight,
                                     ButtonWidth, rowHeight);
}

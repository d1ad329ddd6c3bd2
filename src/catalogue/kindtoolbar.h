#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QToolButton;

// A toolbar of the button-group style: pressing a button releases the others and the pressed
// one stays down. Buttons are numbered from 1, as the handlers see them.
class KindToolbar : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KindToolbar)

public:
    struct Button
    {
        QIcon icon;
        QString toolTip;
    };

    explicit KindToolbar(QWidget *parent = nullptr);

    void setButtons(const QList<Button> &buttons, QSize iconSize);
    int count() const;
    QToolButton *button(int index) const;
    bool isPressed(int index) const;
    // Sets every button to unpressed, as a group press does.
    void releaseAll();

Q_SIGNALS:
    // The user pressed the button with this 1-based index (also when it was already down).
    void buttonClick(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void arrangeButtons();

    QButtonGroup *m_group;
    QList<QToolButton *> m_buttons;
};

#pragma once

#include <QPixmap>
#include <QWidget>

// A picture stretched to the control, optionally inside a single-line border.
class StretchedImage : public QWidget
{
    Q_OBJECT

public:
    StretchedImage(const QPixmap &picture, bool border);
    const QPixmap &picture() const { return m_picture; }
    bool hasBorder() const { return m_border; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    bool m_border;
};

// A rectangle outline; clicks go through it to the window beneath, as a drawn shape has none
// of its own.
class RectangleShape : public QWidget
{
    Q_OBJECT

public:
    RectangleShape();

protected:
    void paintEvent(QPaintEvent *event) override;
};

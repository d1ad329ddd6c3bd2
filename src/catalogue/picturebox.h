#pragma once

#include <QLabel>

// An image control: shows a picture at its own size, or stretched to the control's size, and
// reports clicks.
class PictureBox : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureBox)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setStretch(bool stretch);
    bool stretch() const;
    // 0: no border, 1: a thin frame line.
    void setBorderStyle(int style);
    // Shows a drawing fitted into the picture panel (FitPicture), framed and stretched; false,
    // the box left hidden and empty of clicks, when the picture is null or cannot be fitted.
    bool showFitted(const QPixmap &picture);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

#pragma once

#include <QWidget>

class PictureBox;
class QKeyEvent;
class QPixmap;

// The enlarged picture window: the panel's picture at its own size; a click on it or Esc
// closes the window.
class Form22 : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form22)

public:
    Form22();

    // Shows the picture at its own size, the window sized around it.
    void showPicture(const QPixmap &picture);
    PictureBox *image() const { return m_image1; }

    void Image1_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    PictureBox *m_image1;
};

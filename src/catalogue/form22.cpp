#include "catalogue/form22.h"

#include "catalogue/picturebox.h"
#include "ui/twips.h"

#include <QKeyEvent>

Form22::Form22()
    : QWidget(nullptr, Qt::Window)
    , m_image1(new PictureBox(this))
{
    setObjectName(QStringLiteral("Form22"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Увеличенное изображение"));
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setStretch(false);
    connect(m_image1, &PictureBox::clicked, this, &Form22::Image1_Click);
}

void Form22::showPicture(const QPixmap &picture)
{
    m_image1->setPixmap(picture);
    m_image1->resize(picture.size());
    m_image1->move(Twips::toPixels(300), Twips::toPixels(300));
    show();
    // The outer size is the picture's plus 600 twips across and 1000 down; the frame's share
    // is known once the window is shown.
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(m_image1->width() + Twips::toPixels(600) - frame.width(),
           m_image1->height() + Twips::toPixels(1000) - frame.height());
    raise();
    activateWindow();
}

void Form22::Image1_Click()
{
    close();
}

void Form22::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

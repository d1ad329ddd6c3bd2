#include "about/form2.h"

#include "shell/form1.h"

Form2::Form2(Form1 *mainWindow)
    : QWidget(nullptr, Qt::Window)
    , m_main(mainWindow)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("О программе / Помощь"));
}

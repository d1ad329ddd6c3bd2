#include "shell/form1.h"

#include "about/form2.h"
#include "catalogue/datasource.h"
#include "platform/programexit.h"
#include "platform/usermessages.h"
#include "shell/programdir.h"
#include "shell/twips.h"

#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>

namespace {

const QString DatabaseFileName = QStringLiteral("base.mdb");

// "MS Sans Serif" would fall back to a much wider face here; Liberation Sans keeps the
// design's metrics, as Liberation Serif and Sans do for Times New Roman and Arial.
void substituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

} // namespace

Form1::Form1(const Environment &environment, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_env(environment)
    , m_data(new DataSource(environment.databaseDriver, this))
{
    substituteFonts();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morvex Steel Mass Calculator 2.0"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    setFont(font);
    setFixedSize(Twips::toPixels(6870), Twips::toPixels(5535));
    m_data->setObjectName(QStringLiteral("Data2"));
    buildWindow();
}

Form1::~Form1()
{
    Form_Unload();
}

template<typename T> T *Form1::control(const char *name) const
{
    return qobject_cast<T *>(m_controls.value(QString::fromLatin1(name)));
}

bool Form1::Form_Load()
{
    // 1. The program directory, ending in exactly one separator.
    m_state.ProgramDir = programDirFrom(m_env.executableDir);

    // 2. Registration in the installed-programs list.
    registerInProgramList();

    // 3. Grid display setting: the whole current row is highlighted (set in buildWindow).

    // 4. Calculation defaults; no recomputation yet.
    m_state.MassDivisor = 1;
    m_state.UnitMassDivisor = 1;
    m_state.LengthDivisor = 1000;
    m_state.PrecisionFormat = QStringLiteral("0.0");

    // 5. The reference database.
    if (!m_data->setDatabaseName(m_state.ProgramDir + DatabaseFileName)) {
        m_env.messages->critical(QStringLiteral("Не могу подключить базу данных !"),
                                 QStringLiteral("Ошибка"));
        m_env.exit->endNow(1);
        return false;
    }

    // 6. Open centred on the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    return true;
}

void Form1::registerInProgramList()
{
}

void Form1::Command3_Click()
{
    control<QLineEdit>("Text14")->setText(m_state.ProgramDir);
    if (!m_form2)
        m_form2 = new Form2(this);
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Form1::Form_Unload()
{
    if (m_form22)
        m_form22->close();
    delete m_form22;
    if (m_form2)
        m_form2->close();
    delete m_form2;
}

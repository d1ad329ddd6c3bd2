#include "bom/bomfeature.h"

#include "bom/bomdesignation.h"
#include "bom/bomrestore.h"
#include "bom/bomstore.h"
#include "bom/bomtable.h"
#include "bom/bomwindow.h"
#include "catalogue/datasource.h"
#include "catalogue/sizeselection.h"
#include "host/calculatorhost.h"
#include "platform/environment.h"
#include "platform/usermessages.h"
#include "session/calculatorsession.h"
#include "ui/iconpicture.h"
#include "ui/windowplace.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QWidget>

namespace {

const QString Title = QStringLiteral("Спецификация");
const QString ErrorTitle = QStringLiteral("Ошибка");
// Where the program's own windows stood when last hidden, in the user's data directory.
const QString WindowPlacesFile = QStringLiteral("window-places.ini");

QAction *command(QWidget &window, const char *name, const QString &text, QList<QKeySequence> keys)
{
    auto *action = new QAction(text, &window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    return action;
}

} // namespace

BomFeature::BomFeature(CalculatorHost &host)
    : QObject(&host.parentWindow())
    , m_host(host)
    , m_window(host.parentWindow())
    , m_session(host.session())
    , m_kept(BomStore::keptListPath(host.environment().userDataDir))
{
    setObjectName(QStringLiteral("BomFeature"));
    connect(&m_list, &BillOfMaterials::changed, this, &BomFeature::saveKeptList);
    connect(&m_list, &BillOfMaterials::settingsChanged, this, &BomFeature::saveSettings);
}

BomFeature::~BomFeature()
{
    // The list window shows the list this object holds: it goes first, whatever order the main
    // window deletes its children in, and unwatched: its leaving is no hide to be kept.
    m_window.removeEventFilter(this);
    if (m_listWindow)
        m_listWindow->removeEventFilter(this);
    delete m_listWindow;
}

BomFeature *BomFeature::attachTo(CalculatorHost &host)
{
    using Place = CalculatorHost::Place;
    QWidget &window = host.parentWindow();
    auto *feature = new BomFeature(host);
    QAction *add = command(window, "BomAdd", QStringLiteral("Добавить в спецификацию"),
                           {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(add, &QAction::triggered, feature, [feature] { feature->addCurrent(); });
    QAction *show = command(window, "BomShow", QStringLiteral("Спецификация…"), {QKeySequence(Qt::CTRL | Qt::Key_L)});
    connect(show, &QAction::triggered, feature, &BomFeature::showList);
    // The adding also has the window's command button, which shows its icon; the menus show
    // the command by its text alone.
    add->setIcon(IconPicture::load(QStringLiteral("bom_add")));
    add->setIconVisibleInMenu(false);
    host.addCommand(add, Place::WindowKeys | Place::SizeGrid | Place::Results | Place::CommandButton);
    host.addCommand(show, Place::WindowKeys | Place::SizeGrid | Place::Results);
    window.installEventFilter(feature);
    return feature;
}

bool BomFeature::eventFilter(QObject *watched, QEvent *event)
{
    // The list window goes with the main window, and is put where it was at the next start.
    if (event->type() == QEvent::Close && watched == &m_window && m_listWindow)
        m_listWindow->close();
    if (event->type() == QEvent::Hide && watched == m_listWindow)
        WindowPlace::save(*m_listWindow, windowPlacesPath());
    return QObject::eventFilter(watched, event);
}

BillOfMaterials &BomFeature::list()
{
    ensureLoaded();
    return m_list;
}

QString BomFeature::keptListPath() const
{
    return m_kept.path();
}

QString BomFeature::windowPlacesPath() const
{
    const QString dir = m_host.environment().userDataDir;
    return dir.isEmpty() ? QString() : dir + QLatin1Char('/') + WindowPlacesFile;
}

BaseKindRows &BomFeature::rows()
{
    if (!m_rows)
        m_rows = std::make_unique<BaseKindRows>(m_session.dataSource().DatabaseName(),
                                                m_host.environment().databaseDriver,
                                                m_session.dataSource().extraRows());
    return *m_rows;
}

void BomFeature::ensureLoaded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_list.loadSettings(SpecSettingsFile::load(SpecSettingsFile::pathBeside(m_kept.path())));
    const KeptList::Outcome outcome = m_kept.load(m_list, rows());
    if (!outcome.message.isEmpty())
        m_host.environment().messages->critical(outcome.message, ErrorTitle);
}

void BomFeature::saveSettings()
{
    const QString path = SpecSettingsFile::pathBeside(m_kept.path());
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (const QString why = SpecSettingsFile::save(path, m_list.settings()); !why.isEmpty())
        tell(QStringLiteral("Не могу сохранить оформление спецификации в %1: %2.").arg(QDir::toNativeSeparators(path), why));
}

void BomFeature::saveKeptList()
{
    const KeptList::Outcome outcome = m_kept.save(m_list, rows());
    m_saveNote = outcome.message;
    if (!outcome.error) {
        m_saveFailed = false;
        if (outcome.merged)
            tell(outcome.message);
        return;
    }
    // In a box once, then at the foot of the list window after every change that fails the
    // same way: each change not kept is told of, without a box for each.
    if (m_saveFailed)
        tell(outcome.message);
    else
        m_host.environment().messages->critical(outcome.message, ErrorTitle);
    m_saveFailed = true;
}

BomWindow *BomFeature::listWindow()
{
    ensureLoaded();
    if (!m_listWindow) {
        m_listWindow = new BomWindow(m_list, *m_host.environment().messages,
                                     [this]() -> BomKindRows & { return rows(); },
                                     m_host.environment().executableDir, &m_window);
        // Where the user left it; the first time beside the calculator, which stays in view for
        // the next size. Wholly on a screen either way.
        WindowPlace::restore(*m_listWindow, windowPlacesPath(), m_window.frameGeometry().topRight() + QPoint(8, 0),
                             m_window);
        m_listWindow->installEventFilter(this);
    }
    return m_listWindow;
}

void BomFeature::showList()
{
    BomWindow *window = listWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

std::optional<BomItem> BomFeature::currentItem(QString *why) const
{
    const Catalogue::Kind *kind = m_session.kind();
    const int row = m_session.row();
    if (!kind || row < 0) {
        *why = QStringLiteral("Выберите изделие и размер: в спецификацию нечего добавить.");
        return std::nullopt;
    }
    const BomCapture capture{*kind, row, m_session.rowCells(), m_session.state(), m_session.inputs(),
                             m_session.option(), m_list.nextGrade(), m_list.nextGroup(), QString()};
    std::optional<BomItem> item = makeItem(capture);
    if (item) {
        *why = missingInput(*item);
        return why->isEmpty() ? item : std::nullopt;
    }
    const bool needsOption = !SizeSelection::optionsFor(*kind, row).contains(ProductOption::None);
    if (needsOption && optionOf(*kind, row, capture.state, capture.option) == ProductOption::None)
        *why = QStringLiteral("Выберите диаметр проволоки (3мм, 4мм или 5мм): без него масса сетки не "
                              "посчитана, в спецификацию ничего не добавлено.");
    else
        *why = QStringLiteral("Нет результата расчета: в спецификацию ничего не добавлено.");
    return std::nullopt;
}

void BomFeature::tell(const QString &text)
{
    if (m_listWindow && m_listWindow->isVisible())
        m_listWindow->showStatus(text);
    else
        m_host.environment().messages->show({text, Title, UserMessages::Icon::Information});
}

bool BomFeature::addCurrent()
{
    QString why;
    const std::optional<BomItem> item = currentItem(&why);
    if (!item) {
        tell(why);
        return false;
    }
    const int before = list().count();
    const int position = list().add(*item);
    const BomItem line = list().items().value(position, *item);
    BomWindow *window = listWindow();
    if (!window->isVisible()) {
        // Shown beside the calculator, which keeps the focus for the next size.
        window->setAttribute(Qt::WA_ShowWithoutActivating);
        window->show();
    }
    window->selectItem(position);
    // What the saving had to say stays in view: the line added may not be in the file.
    const QString added = list().count() > before
                              ? QStringLiteral("Добавлено: %1 %2, %3 кг")
                                    .arg(item->name, BomDesignation::designation(*item), BomTable::mass(BomTable::printedKg(*item)))
                              : QStringLiteral("Добавлено к строке %1: %2 %3, теперь %4 шт., %5 кг")
                                    .arg(position + 1)
                                    .arg(line.name, BomDesignation::designation(line), BomTable::figure(line.inputs.pieces),
                                         BomTable::mass(BomTable::printedKg(line)));
    window->showStatus(m_saveNote.isEmpty() ? added : added + QStringLiteral(". ") + m_saveNote);
    return true;
}

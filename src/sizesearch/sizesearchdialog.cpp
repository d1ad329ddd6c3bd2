#include "sizesearch/sizesearchdialog.h"

#include "catalogue/datasource.h"
#include "catalogue/sizegrid.h"
#include "host/calculatorhost.h"
#include "session/calculatorsession.h"
#include "ui/controltable.h"
#include "ui/twips.h"
#include "ui/windowplace.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

using K = ControlSpec::Kind;

} // namespace

SizeSearchDialog::SizeSearchDialog(CalculatorHost &host)
    : QDialog(&host.parentWindow())
    , m_session(host.session())
    , m_grid(host.sizeGrid())
{
    setObjectName(QStringLiteral("SizeSearchDialog"));
    setWindowTitle(QStringLiteral("Найти размер"));
    setFixedSize(Twips::toPixels(4800), Twips::toPixels(1500));
    m_controls = buildControls(this, {
        {"SizeLabel", K::Label, nullptr, "Размер", 120, 165, 855, 255},
        {"SizeText", K::TextBox, nullptr, "", 1020, 120, 2280, 285},
        {"FindButton", K::Button, nullptr, "Найти", 3420, 90, 1260, 345},
        {"SearchStatus", K::Label, nullptr, "", 120, 570, 3180, 780},
        {"CloseButton", K::Button, nullptr, "Закрыть", 3420, 540, 1260, 345},
    });
    auto *size = control<QLineEdit>("SizeText");
    size->setPlaceholderText(QStringLiteral("например 57х3,5"));
    size->setToolTip(QStringLiteral("Размеры через х, x, * или пробел: 57х3,5  50 5  20Б1  М12х60"));
    control<QLabel>("SearchStatus")->setWordWrap(true);
    // Enter in the size field finds.
    control<QPushButton>("FindButton")->setDefault(true);
    control<QPushButton>("CloseButton")->setAutoDefault(false);
    connect(control<QPushButton>("FindButton"), &QPushButton::clicked, this, &SizeSearchDialog::Find_Click);
    connect(control<QPushButton>("CloseButton"), &QPushButton::clicked, this, &QDialog::reject);
    // Another kind's table: the next Enter starts from its top, whatever was typed before.
    connect(m_session.dataSource().records(), &QAbstractItemModel::modelReset, this,
            [this] { m_search = SizeSearch(); });
}

template<typename T> T *SizeSearchDialog::control(const char *name) const
{
    return qobject_cast<T *>(m_controls.value(QString::fromLatin1(name)));
}

void SizeSearchDialog::Find_Click()
{
    QLabel *status = control<QLabel>("SearchStatus");
    if (m_grid.isHidden() || !m_session.kind()) {
        status->setText(QStringLiteral("Сначала выберите изделие."));
        return;
    }
    const QString typed = control<QLineEdit>("SizeText")->text();
    const QModelIndex current = m_grid.currentIndex();
    const SizeSearch::Found found =
        m_search.find(*m_session.dataSource().records(), typed, current.isValid() ? current.row() : -1);
    status->setText(SizeSearch::describe(found, typed));
    if (found.row < 0)
        return;
    // The user's column stays; the row change recomputes as the user's own move would.
    const QModelIndex target = m_grid.model()->index(found.row, current.isValid() ? current.column() : 0);
    m_grid.setCurrentIndex(target);
    m_grid.scrollTo(target, QAbstractItemView::PositionAtCenter);
}

SizeSearchDialog *SizeSearchDialog::openOver(CalculatorHost &host)
{
    auto *dialog = host.parentWindow().findChild<SizeSearchDialog *>();
    if (!dialog) {
        dialog = new SizeSearchDialog(host);
        WindowPlace::besideOf(*dialog, host.parentWindow());
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    auto *size = dialog->control<QLineEdit>("SizeText");
    size->setFocus();
    size->selectAll();
    return dialog;
}

SizeSearchDialog *SizeSearchDialog::openWith(CalculatorHost &host, const QString &typed)
{
    SizeSearchDialog *dialog = openOver(host);
    auto *size = dialog->control<QLineEdit>("SizeText");
    size->setText(typed);
    size->end(false);
    return dialog;
}

void SizeSearchDialog::attachTo(CalculatorHost &host)
{
    QWidget *window = &host.parentWindow();
    connect(&host.sizeGrid(), &SizeGrid::textTyped, window,
            [&host](const QString &typed) { openWith(host, typed); });
    auto *action = new QAction(QStringLiteral("Найти размер…"), window);
    action->setObjectName(QStringLiteral("FindSize"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(action, &QAction::triggered, window, [&host] { openOver(host); });
    host.addCommand(action, CalculatorHost::Place::WindowKeys | CalculatorHost::Place::SizeGrid);
}

#include "kindcatalogue/kindcatalogdialog.h"

#include "catalogue/catalogue.h"
#include "host/calculatorhost.h"
#include "kindcatalogue/kindfilter.h"
#include "session/calculatorsession.h"
#include "ui/controltable.h"
#include "ui/twips.h"
#include "ui/windowplace.h"

#include <QAction>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

namespace {

using K = ControlSpec::Kind;

// The kind's identity, on its item.
constexpr int IdRole = Qt::UserRole;

// The kind's title, and its standard after it where the title names none ("Двутавр (ГОСТ 8239-89
// и ГОСТ 26020-83)"), so that kinds of one name and two standards are told apart.
QString shownName(const Catalogue::Kind &kind)
{
    const QString title = QString::fromUtf8(kind.title).simplified();
    const QString standard = QString::fromUtf8(kind.standard);
    return title.contains(standard) ? title : QStringLiteral("%1 (%2)").arg(title, standard);
}

} // namespace

KindCatalogDialog::KindCatalogDialog(CalculatorHost &host)
    : QDialog(&host.parentWindow())
    , m_session(host.session())
    , m_tree(new QTreeWidget)
{
    setObjectName(QStringLiteral("KindCatalogDialog"));
    setWindowTitle(QStringLiteral("Каталог изделий"));
    // Wide enough for the longest title (the tubes of ГОСТ 30245-2003) on one line.
    setFixedSize(Twips::toPixels(10200), Twips::toPixels(9000));
    m_controls = buildControls(this, {
        {"FilterLabel", K::Label, nullptr, "Найти", 120, 165, 735, 255},
        {"FilterText", K::TextBox, nullptr, "", 900, 120, 9180, 285},
        {"KindTree", K::Premade, nullptr, "", 120, 540, 9960, 7800},
        {"FoundCount", K::Label, nullptr, "", 120, 8490, 4200, 255},
        {"ChooseButton", K::Button, nullptr, "Выбрать", 7380, 8445, 1260, 345},
        {"CloseButton", K::Button, nullptr, "Закрыть", 8820, 8445, 1260, 345},
    }, {{QStringLiteral("KindTree"), m_tree}});
    auto *filterText = control<QLineEdit>("FilterText");
    filterText->setPlaceholderText(QStringLiteral("название, ГОСТ или обозначение: полоса, 30245, 57837"));
    filterText->setClearButtonEnabled(true);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setUniformRowHeights(true);
    fillTree();
    control<QPushButton>("ChooseButton")->setDefault(true);
    control<QPushButton>("CloseButton")->setAutoDefault(false);
    connect(filterText, &QLineEdit::textChanged, this, &KindCatalogDialog::filter);
    connect(m_tree, &QTreeWidget::itemActivated, this, &KindCatalogDialog::chooseCurrent);
    connect(control<QPushButton>("ChooseButton"), &QPushButton::clicked, this, &KindCatalogDialog::chooseCurrent);
    connect(control<QPushButton>("CloseButton"), &QPushButton::clicked, this, &QDialog::reject);
    filter(QString());
}

template<typename T> T *KindCatalogDialog::control(const char *name) const
{
    return qobject_cast<T *>(m_controls.value(QString::fromLatin1(name)));
}

// The groups in the group toolbar's order, each kind under its own, its whole title as its
// tooltip where the window cuts it.
void KindCatalogDialog::fillTree()
{
    for (const Catalogue::Group &group : Catalogue::groups()) {
        auto *groupItem = new QTreeWidgetItem(m_tree, {group.name});
        groupItem->setFlags(Qt::ItemIsEnabled);
        QFont bold = groupItem->font(0);
        bold.setBold(true);
        groupItem->setFont(0, bold);
        for (const Catalogue::Kind &kind : Catalogue::kinds()) {
            if (kind.toolbar != group.toolbar)
                continue;
            auto *item = new QTreeWidgetItem(groupItem, {shownName(kind)});
            item->setData(0, IdRole, kind.id);
            item->setToolTip(0, QString::fromUtf8(kind.title).simplified());
        }
    }
    m_tree->expandAll();
}

void KindCatalogDialog::filter(const QString &typed)
{
    const KindFilter found(typed);
    QTreeWidgetItem *first = nullptr;
    int count = 0;
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = m_tree->topLevelItem(g);
        bool anyShown = false;
        for (int k = 0; k < group->childCount(); ++k) {
            QTreeWidgetItem *item = group->child(k);
            const Catalogue::Kind *kind = Catalogue::find(item->data(0, IdRole).toString());
            const bool shown = kind && found.matches(*kind);
            item->setHidden(!shown);
            anyShown = anyShown || shown;
            count += shown;
            if (shown && !first)
                first = item;
        }
        group->setHidden(!anyShown);
    }
    m_tree->setCurrentItem(first);
    control<QLabel>("FoundCount")->setText(count ? QStringLiteral("Найдено: %1").arg(QLocale().toString(count))
                                                 : QStringLiteral("Ничего не найдено"));
    control<QPushButton>("ChooseButton")->setEnabled(first != nullptr);
}

bool KindCatalogDialog::setCurrentKind(const QString &id)
{
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = m_tree->topLevelItem(g);
        for (int k = 0; k < group->childCount(); ++k) {
            QTreeWidgetItem *item = group->child(k);
            if (item->data(0, IdRole).toString() == id && !item->isHidden() && !group->isHidden()) {
                m_tree->setCurrentItem(item);
                return true;
            }
        }
    }
    return false;
}

void KindCatalogDialog::chooseCurrent()
{
    const QTreeWidgetItem *item = m_tree->currentItem();
    const QString id = item && !item->isHidden() ? item->data(0, IdRole).toString() : QString();
    if (id.isEmpty())
        return;
    accept();
    m_session.chooseKind(id);
}

QStringList KindCatalogDialog::shownKinds() const
{
    QStringList ids;
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *group = m_tree->topLevelItem(g);
        for (int k = 0; k < group->childCount(); ++k)
            if (!group->isHidden() && !group->child(k)->isHidden())
                ids.append(group->child(k)->data(0, IdRole).toString());
    }
    return ids;
}

KindCatalogDialog *KindCatalogDialog::openOver(CalculatorHost &host)
{
    auto *dialog = host.parentWindow().findChild<KindCatalogDialog *>();
    if (!dialog) {
        dialog = new KindCatalogDialog(host);
        WindowPlace::besideOf(*dialog, host.parentWindow());
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    auto *filterText = dialog->control<QLineEdit>("FilterText");
    filterText->setFocus();
    filterText->selectAll();
    return dialog;
}

void KindCatalogDialog::attachTo(CalculatorHost &host)
{
    QWidget *window = &host.parentWindow();
    auto *action = new QAction(QStringLiteral("Каталог изделий…"), window);
    action->setObjectName(QStringLiteral("KindCatalogue"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(action, &QAction::triggered, window, [&host] { openOver(host); });
    host.addCommand(action, CalculatorHost::Place::WindowKeys | CalculatorHost::Place::SizeGrid);
}

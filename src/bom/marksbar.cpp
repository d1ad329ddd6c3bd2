#include "bom/marksbar.h"

#include "bom/billofmaterials.h"
#include "steelspec/steelgrades.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace {

QComboBox *editableCombo(const QString &name, const QStringList &offered, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItem(QString());
    combo->addItems(offered);
    combo->setMinimumContentsLength(12);
    return combo;
}

QStringList gradeNames()
{
    QStringList names;
    for (const SteelGrade &grade : SteelGrades::offered())
        names.append(grade.name);
    return names;
}

} // namespace

MarksBar::MarksBar(BillOfMaterials &list, Selection selected, QWidget *parent)
    : QToolBar(QStringLiteral("Марка и группа"), parent)
    , m_list(list)
    , m_selected(std::move(selected))
    , m_grade(editableCombo(QStringLiteral("BomGrade"), gradeNames(), this))
    , m_group(editableCombo(QStringLiteral("BomGroup"), ConstructionGroups::offered(), this))
{
    setObjectName(QStringLiteral("BomMarks"));
    setMovable(false);
    // The offered grades' standards, as the form writes them after the grade.
    for (int i = 0; i < SteelGrades::offered().size(); ++i)
        m_grade->setItemData(i + 1, SteelGrades::offered().at(i).withStandard(), Qt::ToolTipRole);
    addWidget(new QLabel(QStringLiteral("Марка стали: "), this));
    addWidget(m_grade);
    addWidget(new QLabel(QStringLiteral(" Группа: "), this));
    addWidget(m_group);
    auto *set = new QAction(QStringLiteral("Назначить выделенным"), this);
    set->setObjectName(QStringLiteral("BomSetMarks"));
    set->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    set->setShortcutContext(Qt::WindowShortcut);
    set->setToolTip(QStringLiteral("Марку и группу - выделенным строкам и следующим добавленным (Ctrl+G)"));
    connect(set, &QAction::triggered, this, &MarksBar::apply);
    addAction(set);
    showNextMarks();
    connect(&m_list, &BillOfMaterials::loaded, this, &MarksBar::showNextMarks);
}

void MarksBar::showNextMarks()
{
    m_grade->setEditText(m_list.nextGrade());
    m_group->setEditText(m_list.nextGroup());
}

void MarksBar::apply()
{
    const QString grade = m_grade->currentText().simplified();
    const QString group = m_group->currentText().simplified();
    m_list.setNextMarks(grade, group);
    const QList<int> positions = m_selected();
    const QString marks = QStringList{grade.isEmpty() ? QStringLiteral("без марки") : grade,
                                      group.isEmpty() ? QStringLiteral("без группы") : group}
                              .join(QStringLiteral(", "));
    if (m_list.setMarks(positions, grade, group))
        Q_EMIT told(QStringLiteral("Марка и группа «%1» назначены строкам: %2; так будут добавлены и следующие.")
                        .arg(marks)
                        .arg(positions.size()));
    else
        Q_EMIT told(QStringLiteral("Следующие изделия будут добавлены как «%1».").arg(marks));
}

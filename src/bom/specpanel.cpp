#include "bom/specpanel.h"

#include "bom/billofmaterials.h"
#include "bom/bomspec.h"
#include "bom/spechtml.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The units offered, in the combo's order.
constexpr SpecMassUnit Units[] = {SpecMassUnit::Tonnes1, SpecMassUnit::Tonnes2, SpecMassUnit::Tonnes3,
                                  SpecMassUnit::Kilograms};

QString unitCaption(SpecMassUnit unit)
{
    switch (unit) {
    case SpecMassUnit::Tonnes1: return QStringLiteral("т, 0,0");
    case SpecMassUnit::Tonnes2: return QStringLiteral("т, 0,00");
    case SpecMassUnit::Tonnes3: return QStringLiteral("т, 0,000");
    case SpecMassUnit::Kilograms: return QStringLiteral("кг, целые");
    }
    return QString();
}

} // namespace

SpecPanel::SpecPanel(BillOfMaterials &list, QWidget *parent)
    : QWidget(parent)
    , m_list(list)
    , m_project(new QLineEdit(this))
    , m_sheet(new QLineEdit(this))
    , m_unit(new QComboBox(this))
    , m_allowance(new QCheckBox(QStringLiteral("Строка надбавки:"), this))
    , m_allowanceCaption(new QLineEdit(this))
    , m_allowancePercent(new QDoubleSpinBox(this))
    , m_view(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("SpecPanel"));
    m_view->setObjectName(QStringLiteral("SpecView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(settingsRow());
    layout->addWidget(m_view, 1);
    showSettings();
    refresh();
    connect(&m_list, &BillOfMaterials::changed, this, &SpecPanel::refresh);
    connect(&m_list, &BillOfMaterials::loaded, this, &SpecPanel::refresh);
    connect(&m_list, &BillOfMaterials::settingsChanged, this, &SpecPanel::refresh);
    connect(&m_list, &BillOfMaterials::loaded, this, &SpecPanel::showSettings);
}

QWidget *SpecPanel::settingsRow()
{
    auto *row = new QWidget(this);
    auto *grid = new QHBoxLayout(row);
    m_project->setObjectName(QStringLiteral("SpecProject"));
    m_project->setPlaceholderText(QStringLiteral("Наименование объекта"));
    m_sheet->setObjectName(QStringLiteral("SpecSheetTitle"));
    m_sheet->setPlaceholderText(QStringLiteral("Наименование листа"));
    m_unit->setObjectName(QStringLiteral("SpecUnit"));
    for (SpecMassUnit unit : Units)
        m_unit->addItem(unitCaption(unit));
    m_allowance->setObjectName(QStringLiteral("SpecAllowance"));
    m_allowanceCaption->setObjectName(QStringLiteral("SpecAllowanceCaption"));
    m_allowancePercent->setObjectName(QStringLiteral("SpecAllowancePercent"));
    m_allowancePercent->setRange(0, 100);
    m_allowancePercent->setDecimals(1);
    m_allowancePercent->setSuffix(QStringLiteral(" %"));
    grid->addWidget(m_project, 3);
    grid->addWidget(m_sheet, 3);
    grid->addWidget(new QLabel(QStringLiteral("Масса:"), row));
    grid->addWidget(m_unit);
    grid->addWidget(m_allowance);
    grid->addWidget(m_allowanceCaption, 2);
    grid->addWidget(m_allowancePercent);
    connect(m_project, &QLineEdit::editingFinished, this, &SpecPanel::takeSettings);
    connect(m_sheet, &QLineEdit::editingFinished, this, &SpecPanel::takeSettings);
    connect(m_allowanceCaption, &QLineEdit::editingFinished, this, &SpecPanel::takeSettings);
    connect(m_unit, &QComboBox::activated, this, &SpecPanel::takeSettings);
    connect(m_allowance, &QCheckBox::toggled, this, &SpecPanel::takeSettings);
    connect(m_allowancePercent, &QDoubleSpinBox::valueChanged, this, &SpecPanel::takeSettings);
    return row;
}

void SpecPanel::showSettings()
{
    const BomSpec::Settings &spec = m_list.settings().spec;
    const QSignalBlocker a(m_allowance), b(m_allowancePercent);
    m_project->setText(spec.heading.project);
    m_sheet->setText(spec.heading.sheet);
    for (int i = 0; i < int(std::size(Units)); ++i)
        if (Units[i] == spec.form.unit)
            m_unit->setCurrentIndex(i);
    m_allowance->setChecked(spec.form.allowance.on);
    m_allowanceCaption->setText(spec.form.allowance.caption);
    // A caption longer than its field shows its beginning.
    for (QLineEdit *edit : {m_project, m_sheet, m_allowanceCaption})
        edit->setCursorPosition(0);
    m_allowancePercent->setValue(spec.form.allowance.percent);
}

void SpecPanel::takeSettings()
{
    SpecSettings settings = m_list.settings();
    BomSpec::Settings &spec = settings.spec;
    spec.heading.project = m_project->text().simplified();
    spec.heading.sheet = m_sheet->text().simplified();
    spec.form.unit = Units[qBound(0, m_unit->currentIndex(), int(std::size(Units)) - 1)];
    spec.form.allowance.on = m_allowance->isChecked();
    spec.form.allowance.caption = m_allowanceCaption->text().simplified();
    spec.form.allowance.percent = m_allowancePercent->value();
    m_list.setSettings(settings);
}

void SpecPanel::refresh()
{
    // Drawn when it comes into view: a long list is not laid out at every change while the
    // plain list is shown.
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    draw();
}

void SpecPanel::draw()
{
    m_stale = false;
    const int scroll = m_view->verticalScrollBar()->value();
    m_view->setHtml(SpecHtml::html(BomSpec::tables(m_list.items(), m_list.settings().spec)));
    m_view->verticalScrollBar()->setValue(scroll);
}

void SpecPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

QString SpecPanel::text()
{
    if (m_stale)
        draw();
    return m_view->toPlainText();
}

#include "reverse/reversedialog.h"

#include "calc/formatmass.h"
#include "host/calculatorhost.h"
#include "session/calculatorsession.h"
#include "ui/controltable.h"
#include "ui/twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using ReverseRules::Status;

namespace {

using K = ControlSpec::Kind;
using Look = ControlSpec::Look;

const Look FrameLook{.bold = true};
const Look ResultLook{.bold = true};
const Look MessageLook{.text = QColor(160, 0, 0)};

bool countsWhole(MassRule rule)
{
    return rule == MassRule::PerPiece || rule == MassRule::SmoothSheet || rule == MassRule::RibbedSheet;
}

bool isSheets(MassRule rule)
{
    return rule == MassRule::SmoothSheet || rule == MassRule::RibbedSheet;
}

} // namespace

using Input = CalculatorSession::Input;

ReverseDialog::ReverseDialog(CalculatorSession &session, QWidget *window)
    : QDialog(window)
    , m_session(session)
{
    setObjectName(QStringLiteral("ReverseDialog"));
    setWindowTitle(QStringLiteral("Пересчёт из массы"));
    setFixedSize(Twips::toPixels(5400), Twips::toPixels(3120));
    buildControls();
    fillFromWindow();
    for (const char *name : {"MassText", "PiecesText", "WidthText", "SheetLengthText"})
        connect(control<QLineEdit>(name), &QLineEdit::textChanged, this, &ReverseDialog::recompute);
    connect(control<QRadioButton>("TonneOption"), &QRadioButton::toggled, this, &ReverseDialog::recompute);
    connect(control<QRadioButton>("WholeOption"), &QRadioButton::toggled, this, &ReverseDialog::recompute);
    connect(control<QPushButton>("ApplyButton"), &QPushButton::clicked, this, &ReverseDialog::Apply_Click);
    connect(control<QPushButton>("CloseButton"), &QPushButton::clicked, this, &QDialog::reject);
    recompute();
}

template<typename T> T *ReverseDialog::control(const char *name) const
{
    return qobject_cast<T *>(m_controls.value(QString::fromLatin1(name)));
}

void ReverseDialog::buildControls()
{
    m_controls = ::buildControls(this, {
        {"RuleLabel", K::Label, nullptr, "", 120, 120, 5160, 255},
        {"MassLabel", K::Label, nullptr, "Масса", 120, 525, 1095, 255},
        {"MassText", K::TextBox, nullptr, "", 1320, 480, 1500, 285},
        {"MassUnitFrame", K::Frame, nullptr, "Ед. измерения", 2880, 360, 2400, 510, FrameLook},
        {"KgOption", K::Option, "MassUnitFrame", "кг", 180, 225, 600, 225},
        {"TonneOption", K::Option, "MassUnitFrame", "т", 1020, 225, 600, 225},
        // By length the count of pieces; sheets their width and length, in the same place.
        {"PiecesLabel", K::Label, nullptr, "Кол-во, шт.", 120, 1005, 1095, 255},
        {"PiecesText", K::TextBox, nullptr, "", 1320, 960, 1500, 285},
        {"WidthLabel", K::Label, nullptr, "Ширина", 120, 1005, 1095, 255},
        {"WidthText", K::TextBox, nullptr, "", 1320, 960, 1500, 285},
        {"SheetLengthLabel", K::Label, nullptr, "Длина", 120, 1365, 1095, 255},
        {"SheetLengthText", K::TextBox, nullptr, "", 1320, 1320, 1500, 285},
        {"CountFrame", K::Frame, nullptr, "Записать", 2880, 900, 2400, 735, FrameLook},
        {"ExactOption", K::Option, "CountFrame", "точное число", 180, 225, 2160, 225, {.checked = true}},
        {"WholeOption", K::Option, "CountFrame", "округлённое вверх", 180, 465, 2160, 225},
        {"ResultLabel", K::Label, nullptr, "", 120, 1740, 5160, 480, ResultLook},
        {"MessageLabel", K::Label, nullptr, "", 120, 2220, 5160, 390, MessageLook},
        {"ApplyButton", K::Button, nullptr, "Применить", 2640, 2640, 1275, 345},
        {"CloseButton", K::Button, nullptr, "Закрыть", 4005, 2640, 1275, 345},
    });
    for (const char *name : {"ResultLabel", "MessageLabel"})
        control<QLabel>(name)->setWordWrap(true);
    // Enter in any field applies.
    control<QPushButton>("ApplyButton")->setDefault(true);
    control<QPushButton>("CloseButton")->setAutoDefault(false);
}

QString ReverseDialog::lengthUnit() const
{
    return m_session.state().LengthDivisor == 1 ? QStringLiteral("м") : QStringLiteral("мм");
}

// The state the rules work back from; nothing without a kind.
std::optional<CalcState> ReverseDialog::ruleState() const
{
    return m_session.kind() ? std::optional<CalcState>(m_session.state()) : std::nullopt;
}

// The main window's mass unit, count of pieces and sheet size to start from.
void ReverseDialog::fillFromWindow()
{
    const bool tonnes = m_session.state().MassDivisor == 1000;
    control<QRadioButton>(tonnes ? "TonneOption" : "KgOption")->setChecked(true);
    const QString pieces = m_session.input(Input::Pieces);
    control<QLineEdit>("PiecesText")->setText(pieces.trimmed().isEmpty() ? QStringLiteral("1") : pieces);
    control<QLineEdit>("WidthText")->setText(m_session.input(Input::Width));
    control<QLineEdit>("SheetLengthText")->setText(m_session.input(Input::Length));
    control<QLabel>("WidthLabel")->setText(QStringLiteral("Ширина, %1").arg(lengthUnit()));
    control<QLabel>("SheetLengthLabel")->setText(QStringLiteral("Длина, %1").arg(lengthUnit()));

    const std::optional<CalcState> state = ruleState();
    const MassRule rule = state ? MassRuleOf(*state) : MassRule::None;
    for (const char *name : {"PiecesLabel", "PiecesText"})
        control<QWidget>(name)->setVisible(rule == MassRule::ByLength);
    for (const char *name : {"WidthLabel", "WidthText", "SheetLengthLabel", "SheetLengthText"})
        control<QWidget>(name)->setVisible(isSheets(rule));
    control<QWidget>("CountFrame")->setVisible(countsWhole(rule));
}

void ReverseDialog::recompute()
{
    const ReverseRules::Inputs inputs{control<QLineEdit>("MassText")->text(),
                                      control<QRadioButton>("TonneOption")->isChecked(),
                                      control<QLineEdit>("PiecesText")->text(),
                                      control<QLineEdit>("WidthText")->text(),
                                      control<QLineEdit>("SheetLengthText")->text()};
    m_outcome = ReverseRules::FromMass(ruleState(), [this](int column) { return m_session.cell(column); },
                                       inputs);
    showOutcome();
}

void ReverseDialog::showOutcome()
{
    const ReverseRules::Outcome &o = m_outcome;
    const QString unitMass = ReverseRules::InputText(o.unitMass);
    QString rule;
    switch (o.rule) {
    case MassRule::ByLength: rule = QStringLiteral("Масса 1 м: %1 кг").arg(unitMass); break;
    case MassRule::PerPiece: rule = QStringLiteral("Масса 1 шт.: %1 кг").arg(unitMass); break;
    case MassRule::PerArea: rule = QStringLiteral("Масса 1 м2: %1 кг").arg(unitMass); break;
    case MassRule::SmoothSheet:
    case MassRule::RibbedSheet: rule = QStringLiteral("Масса 1 м2 листа: %1 кг").arg(unitMass); break;
    case MassRule::None: break;
    }
    const bool unitKnown = o.status != Status::NoKind && o.status != Status::NoRow
                           && o.status != Status::NoRule && o.status != Status::UnitMassError;
    control<QLabel>("RuleLabel")->setText(unitKnown ? rule : QString());
    control<QLabel>("MessageLabel")->setText(ReverseRules::Message(o.status));
    control<QPushButton>("ApplyButton")->setEnabled(o.status == Status::Ok);
    if (o.status != Status::Ok) {
        control<QLabel>("ResultLabel")->clear();
        return;
    }

    const QString value = ReverseRules::InputText(o.value);
    const bool tonnes = control<QRadioButton>("TonneOption")->isChecked();
    const QString wholeMass =
        FormatMass(o.wholeMassKg / (tonnes ? 1000 : 1), m_session.state().PrecisionFormat)
        + (tonnes ? QStringLiteral(" т") : QStringLiteral(" кг"));
    const QString rounded = QStringLiteral("\nОкруглённое вверх: %1 шт., масса %2")
                                .arg(ReverseRules::InputText(o.whole), wholeMass);
    QString result;
    switch (o.rule) {
    case MassRule::ByLength: result = QStringLiteral("Длина 1 шт.: %1 %2").arg(value, lengthUnit()); break;
    case MassRule::PerPiece: result = QStringLiteral("Количество: %1 шт.").arg(value) + rounded; break;
    case MassRule::PerArea: result = QStringLiteral("Площадь: %1 м2").arg(value); break;
    case MassRule::SmoothSheet:
    case MassRule::RibbedSheet: result = QStringLiteral("Листов: %1 шт.").arg(value) + rounded; break;
    case MassRule::None: break;
    }
    control<QLabel>("ResultLabel")->setText(result);
}

void ReverseDialog::Apply_Click()
{
    recompute();
    const ReverseRules::Outcome &o = m_outcome;
    if (o.status != Status::Ok)
        return;
    const bool whole = control<QRadioButton>("WholeOption")->isChecked();
    const QString count = ReverseRules::InputText(whole ? o.whole : o.value);
    // Each input written recomputes the session by its own rules.
    switch (o.rule) {
    case MassRule::ByLength:
        m_session.setInput(Input::Pieces, ReverseRules::InputText(o.pieces));
        m_session.setInput(Input::Length, ReverseRules::InputText(o.value));
        break;
    case MassRule::PerPiece: m_session.setInput(Input::Pieces, count); break;
    case MassRule::PerArea: m_session.setInput(Input::Area, ReverseRules::InputText(o.value)); break;
    case MassRule::SmoothSheet:
    case MassRule::RibbedSheet:
        m_session.setInput(Input::Width, control<QLineEdit>("WidthText")->text());
        m_session.setInput(Input::Length, control<QLineEdit>("SheetLengthText")->text());
        m_session.setInput(Input::Pieces, count);
        break;
    case MassRule::None: return;
    }
    accept();
}

ReverseDialog *ReverseDialog::openOver(CalculatorHost &host)
{
    auto *dialog = new ReverseDialog(host.session(), &host.parentWindow());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Modal to the main window, without a nested event loop.
    dialog->open();
    dialog->control<QLineEdit>("MassText")->setFocus();
    return dialog;
}

void ReverseDialog::attachTo(CalculatorHost &host)
{
    auto *action = new QAction(QStringLiteral("Пересчёт из массы…"), &host.parentWindow());
    action->setObjectName(QStringLiteral("ReverseFromMass"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(action, &QAction::triggered, &host.parentWindow(), [&host] { openOver(host); });
    host.addCommand(action, CalculatorHost::Place::WindowKeys | CalculatorHost::Place::Results);
}

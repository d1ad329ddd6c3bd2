#include "session/calculatorsession.h"

#include "calc/readnumber.h"
#include "catalogue/datasource.h"

CalculatorSession::CalculatorSession(DataSource &data, QObject *parent)
    : QObject(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("CalculatorSession"));
    // A record set read anew has no current row until one is chosen.
    connect(m_data.records(), &QAbstractItemModel::modelReset, this, [this] { m_row = -1; });
}

std::optional<QString> CalculatorSession::cell(int column) const
{
    const RecordSetModel *records = m_data.records();
    if (m_row < 0 || m_row >= records->rowCount() || column < 0 || column >= records->columnCount())
        return std::nullopt;
    return records->cell(m_row, column);
}

QStringList CalculatorSession::rowCells() const
{
    QStringList cells;
    for (int column = 0; const std::optional<QString> text = cell(column); ++column)
        cells.append(*text);
    return cells;
}

CellReader CalculatorSession::cellReader() const
{
    return [this](int column) { return cell(column); };
}

CalcInputs CalculatorSession::inputs() const
{
    return {ReadInputNumber(input(Input::Width)), ReadInputNumber(input(Input::Length)),
            ReadInputNumber(input(Input::Pieces)), ReadInputNumber(input(Input::Area))};
}

void CalculatorSession::applyDefaults()
{
    m_state.MassDivisor = 1;
    m_state.UnitMassDivisor = 1;
    m_state.LengthDivisor = 1000;
    m_state.PrecisionFormat = QStringLiteral("0.0");
}

void CalculatorSession::chooseGroup()
{
    m_kind = nullptr;
    m_sizesShown = false;
    m_shownOptions.clear();
    Q_EMIT optionsChanged();
    Q_EMIT kindChanged();
}

bool CalculatorSession::chooseKind(const QString &id)
{
    const Catalogue::Kind *kind = Catalogue::find(id);
    if (!kind)
        return false;
    m_kind = kind;
    m_sizesShown = true;
    m_enabled = Catalogue::inputsOf(*kind);
    // The reinforcement and mesh kinds start without the mesh options; the woven mesh offers
    // its two cell shapes until a row says which it is made in.
    if (kind->toolbar == Catalogue::ReinforcementToolbar)
        m_shownOptions = kind->mesh.form == Catalogue::MeshForm::Woven
                             ? QList{ProductOption::Rhombic, ProductOption::Square}
                             : QList<ProductOption>();
    if (kind->unitMass)
        m_state.UnitMass = *kind->unitMass;
    m_state.setColumnRule(kind->massColumn, kind->calcMode, kind->unitMassDivisor);
    Q_EMIT enabledInputsChanged();
    Q_EMIT optionsChanged();
    Q_EMIT kindChanged();
    showDrawing(QString::fromLatin1(kind->pictureFile));

    m_data.setRecordSource(QString::fromUtf8(kind->recordSource));
    if (!reloadSizes())
        return false;
    // The first size is current, as the data source puts it: no size rule runs for it.
    if (m_data.records()->rowCount() > 0) {
        m_row = 0;
        Q_EMIT rowChanged(m_row);
    }
    Q_EMIT sizesLoaded();
    recalculate();
    return true;
}

bool CalculatorSession::reloadSizes()
{
    if (m_data.Refresh())
        return true;
    Q_EMIT databaseFailed();
    return false;
}

void CalculatorSession::moveToRow(int row)
{
    if (row != m_row) {
        m_row = row;
        Q_EMIT rowChanged(row);
    }
    // Without a current row there is no size to adapt to: only the recomputation runs.
    if (m_kind && m_sizesShown && row >= 0
        && !applyRow(SizeSelection::selectRow(*m_kind, row, cellReader(), m_option)))
        return;
    recalculate();
}

// False when the row stops the computation (the results say why).
bool CalculatorSession::applyRow(const SizeSelection::RowSelection &selection)
{
    if (selection.shownOptions) {
        m_shownOptions = *selection.shownOptions;
        Q_EMIT optionsChanged();
    }
    if (selection.drawing)
        showDrawing(QString::fromLatin1(selection.drawing));
    if (selection.choose)
        chooseOption(*selection.choose);
    if (selection.rule)
        setRule(*selection.rule);
    if (selection.unitMass)
        m_state.UnitMass = *selection.unitMass;
    if (selection.failure) {
        setOutcome({*selection.failure});
        return false;
    }
    return true;
}

bool CalculatorSession::refreshSizes(int row)
{
    if (!reloadSizes())
        return false;
    if (row >= 0 && row < m_data.records()->rowCount())
        moveToRow(row);
    else
        recalculate();
    return true;
}

void CalculatorSession::chooseOption(ProductOption option)
{
    m_option = option;
    Q_EMIT optionsChanged();
    if (!SizeSelection::wireFactor(option)) {
        setRule(SizeSelection::cellShapeRule(option));
    } else if (const std::optional<SizeSelection::WireMass> mass = SizeSelection::weldedMeshMass(cellReader(), option)) {
        // A spacing of 0: the computation stops there and the results say why.
        if (!mass->unitMass) {
            setOutcome({mass->failure});
            return;
        }
        m_state.UnitMass = *mass->unitMass;
    }
    recalculate();
}

void CalculatorSession::setRule(const SizeSelection::RowRule &rule)
{
    m_state.setColumnRule(rule.massColumn, rule.calcMode, rule.unitMassDivisor);
}

void CalculatorSession::setInput(Input which, const QString &text)
{
    QString &input = m_inputs[int(which)];
    if (input == text)
        return;
    input = text;
    Q_EMIT inputChanged(which, text);
    recalculate();
}

void CalculatorSession::setPrecision(const QString &format)
{
    m_state.PrecisionFormat = format;
    recalculate();
}

void CalculatorSession::setMassDivisor(int16_t divisor)
{
    m_state.MassDivisor = divisor;
    recalculate();
}

void CalculatorSession::setLengthDivisor(int16_t divisor)
{
    m_state.LengthDivisor = divisor;
    recalculate();
}

void CalculatorSession::showDrawing(const QString &file)
{
    m_state.PictureFile = file;
    Q_EMIT drawingShown();
}

CalcOutcome::Kind CalculatorSession::recalculate()
{
    if (!m_sizesShown)
        return CalcOutcome::Kind::NoChange;
    CalcOutcome outcome = ComputeMasses(m_state, inputs(), cellReader());
    setOutcome(outcome);
    return outcome.kind;
}

void CalculatorSession::setOutcome(const CalcOutcome &outcome)
{
    m_outcome = outcome;
    Q_EMIT outcomeChanged();
}

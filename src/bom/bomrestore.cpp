#include "bom/bomrestore.h"

#include "bom/bomcapture.h"
#include "bom/bomdesignation.h"
#include "bom/bomtable.h"
#include "catalogue/recordsetmodel.h"
#include "catalogue/sizeselection.h"

#include <algorithm>

BaseKindRows::BaseKindRows(const QString &databasePath, const QString &driver, DataSource::ExtraRows extraRows)
    : m_source(driver)
{
    m_attached = m_source.setDatabaseName(databasePath);
    if (extraRows)
        m_source.setExtraRows(std::move(extraRows));
}

const QList<QStringList> *BaseKindRows::rows(const Catalogue::Kind &kind)
{
    const QString source = QString::fromUtf8(kind.recordSource);
    auto found = m_tables.find(source);
    if (found == m_tables.end()) {
        std::optional<QList<QStringList>> table;
        m_source.setRecordSource(source);
        if (m_attached && m_source.Refresh()) {
            const RecordSetModel *records = m_source.records();
            QList<QStringList> read;
            read.reserve(records->rowCount());
            for (int r = 0; r < records->rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < records->columnCount(); ++c)
                    cells.append(records->cell(r, c));
                read.append(cells);
            }
            table = read;
        }
        found = m_tables.insert(source, table);
    }
    return found->has_value() ? &found->value() : nullptr;
}

namespace BomRestore {

namespace {

struct SizeRow
{
    int row;
    ProductOption option;
};

// Every row of a designation, in table order: the base's first, then the user's own sizes,
// which may repeat a base designation with figures of their own.
using SizeIndex = QHash<QString, QList<SizeRow>>;

SizeIndex indexOf(const Catalogue::Kind &kind, const QList<QStringList> &rows)
{
    SizeIndex index;
    for (int r = 0; r < rows.size(); ++r)
        for (ProductOption option : SizeSelection::optionsFor(kind, r)) {
            index[BomDesignation::key(BomDesignation::rowDesignation(kind, rows.at(r), option, QLocale::c()))]
                .append({r, option});
            // A list kept before the kind's present pattern wrote the size its former way.
            if (kind.designation.formerSize) {
                Catalogue::Kind former = kind;
                former.designation.size = kind.designation.formerSize;
                index[BomDesignation::key(BomDesignation::rowDesignation(former, rows.at(r), option, QLocale::c()))]
                    .append({r, option});
            }
        }
    return index;
}

std::optional<double> figure(const QString &text)
{
    return BomTable::readFigure(text);
}

class Restorer
{
public:
    explicit Restorer(BomKindRows &rows) : m_rows(rows)
    {
        for (const Catalogue::Kind &kind : Catalogue::kinds())
            m_kinds.insert(BomDesignation::splitTitle(QString::fromUtf8(kind.title)).name, kind);
    }

    std::optional<BomItem> item(const QStringList &f)
    {
        const auto kind = m_kinds.constFind(f.at(BomTable::Name).trimmed());
        if (kind == m_kinds.cend())
            return std::nullopt;
        const QList<QStringList> *rows = m_rows.rows(*kind);
        if (!rows)
            return std::nullopt;
        const SizeIndex &index = sizeIndex(*kind, *rows);

        QString size = f.at(BomTable::Size);
        const QString suffix = BomDesignation::classSuffix(f.at(BomTable::PropertyClass));
        if (!suffix.isEmpty() && size.endsWith(suffix))
            size.chop(suffix.size());
        CalcInputs inputs;
        const bool sheet = kind->calcMode == CalcModeCode::SmoothSheet || kind->calcMode == CalcModeCode::RibbedSheet;
        if (sheet) {
            const std::optional<BomDesignation::SheetParts> parts = BomDesignation::splitSheetSize(size);
            if (!parts)
                return std::nullopt;
            size = parts->row;
            inputs.width = parts->width;
        }
        const auto found = index.constFind(BomDesignation::key(size));
        if (found == index.cend())
            return std::nullopt;
        // Of rows that share the designation, the one whose mass of a piece the line wrote:
        // an item made from the base's row stays the base's beside an own size of the same
        // name, and the other way round. The first that gives an item where none matches.
        std::optional<BomItem> first;
        for (const SizeRow &candidate : *found) {
            std::optional<BomItem> made = itemOf(*kind, rows->at(candidate.row), candidate, inputs, f);
            if (made && BomTable::mass(made->onePiece, m_fileLocale) == f.at(BomTable::OnePiece).trimmed())
                return made;
            if (!first)
                first = std::move(made);
        }
        return first;
    }

private:
    std::optional<BomItem> itemOf(const Catalogue::Kind &kind, const QStringList &cells, const SizeRow &row,
                                  const CalcInputs &inputs, const QStringList &f)
    {
        const std::optional<CalcState> state = stateFor(kind, row.row, cells, row.option);
        if (!state)
            return std::nullopt;
        BomCapture capture{kind, row.row, cells, *state, inputs, row.option,
                           f.at(BomTable::Grade), f.at(BomTable::Group), f.at(BomTable::PropertyClass)};
        const MassRule rule = MassRuleOf(*state);
        const std::optional<double> length = figure(f.at(BomTable::Length));
        const std::optional<double> pieces = figure(f.at(BomTable::Quantity));
        if (rule != MassRule::PerPiece && !length)
            return std::nullopt;
        if (rule != MassRule::PerArea && !pieces)
            return std::nullopt;
        if (rule == MassRule::PerArea)
            capture.inputs.area = *length;
        else if (rule != MassRule::PerPiece)
            capture.inputs.length = *length;
        if (rule != MassRule::PerArea)
            capture.inputs.pieces = *pieces;
        std::optional<BomItem> item = makeItem(capture);
        if (!item || item->standard != f.at(BomTable::Standard).trimmed())
            return std::nullopt;
        return item;
    }

    const SizeIndex &sizeIndex(const Catalogue::Kind &kind, const QList<QStringList> &rows)
    {
        auto found = m_indexes.find(kind.id);
        if (found == m_indexes.end())
            found = m_indexes.insert(kind.id, indexOf(kind, rows));
        return *found;
    }

    BomKindRows &m_rows;
    // The list file's masses are written with decimal commas whatever the region.
    const QLocale m_fileLocale{QLocale::Russian, QLocale::Russia};
    QHash<QString, Catalogue::Kind> m_kinds;
    QHash<QString, SizeIndex> m_indexes;
};

} // namespace

Result restore(const BomCsv::Parsed &parsed, BomKindRows &rows)
{
    Result result;
    result.skipped = parsed.damaged;
    Restorer restorer(rows);
    result.items.reserve(parsed.lines.size());
    for (const BomCsv::Line &line : parsed.lines) {
        if (std::optional<BomItem> item = restorer.item(line.fields))
            result.items.append(*item);
        else
            result.skipped.append(line.number);
    }
    std::sort(result.skipped.begin(), result.skipped.end());
    return result;
}

} // namespace BomRestore

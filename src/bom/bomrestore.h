#pragma once

#include "bom/bomcsv.h"
#include "bom/bomitem.h"
#include "catalogue/catalogue.h"
#include "catalogue/datasource.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <optional>

// The rows of a kind's table, for finding an item's size row again.
class BomKindRows
{
public:
    virtual ~BomKindRows() = default;
    // Nothing when the table cannot be read.
    virtual const QList<QStringList> *rows(const Catalogue::Kind &kind) = 0;
};

// The rows as the reference base holds them, with the rows that follow them (the user's own
// sizes) where a supply of them is given, each record source read once.
class BaseKindRows : public BomKindRows
{
public:
    explicit BaseKindRows(const QString &databasePath, const QString &driver = QStringLiteral("QSQLITE"),
                          DataSource::ExtraRows extraRows = {});
    const QList<QStringList> *rows(const Catalogue::Kind &kind) override;

private:
    DataSource m_source;
    bool m_attached = false;
    QHash<QString, std::optional<QList<QStringList>>> m_tables;
};

// A list file's lines made into items again. A line names its kind by its name, its size row
// by its designation (with the product option and, for sheets, the width); its length and
// quantity are read back and both masses worked out anew by the mass rules. The masses in the
// file serve only to tell apart rows that share a designation (an own size that repeats a base
// one): the line is of the row whose mass of a piece it wrote. A line whose kind, size or figures cannot be found again,
// or whose standard is not its row's, is left out and its number reported.
namespace BomRestore {

struct Result
{
    QList<BomItem> items;
    QList<int> skipped; // 1-based lines of the file, damaged ones included, ascending
};

Result restore(const BomCsv::Parsed &parsed, BomKindRows &rows);

} // namespace BomRestore

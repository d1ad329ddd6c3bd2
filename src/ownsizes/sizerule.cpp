#include "ownsizes/sizerule.h"

#include "calc/readnumber.h"
#include "catalogue/catalogue.h"
#include "catalogue/recordsource.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

SizeRule SizeRule::forTable(const QString &table, const QStringList &tableColumns)
{
    SizeRule rule;
    rule.m_names = tableColumns;
    for (const Catalogue::Kind &kind : Catalogue::kinds()) {
        const std::optional<RecordSource> source = RecordSource::parse(QString::fromUtf8(kind.recordSource));
        if (!source || source->table != table)
            continue;
        // A position of the record source as a column of the table.
        const auto column = [&](int position) {
            const int index = source->columns.isEmpty()
                                  ? position
                                  : int(tableColumns.indexOf(source->columns.value(position)));
            return index >= 0 && index < tableColumns.size() ? index : -1;
        };
        rule.m_meshLastRow = kind.mesh.lastRow;
        if (kind.mesh.form == Catalogue::MeshForm::Woven) {
            rule.m_form = Form::WovenMesh;
            rule.m_columns = {column(3), column(4), column(6)};
        } else if (kind.massColumn == code(MassSource::Pipe)) {
            rule.m_form = Form::Pipe;
            rule.m_columns = {column(0), column(1)};
        } else if (kind.massColumn == code(MassSource::Wire)) {
            rule.m_form = Form::Columns;
            rule.m_columns = {column(0)};
        } else if (kind.massColumn == code(MassSource::WeldedMesh)) {
            rule.m_form = Form::WeldedMesh;
            rule.m_columns = {column(3), column(4)};
        } else if (kind.massColumn >= 0) {
            rule.m_form = Form::Columns;
            rule.m_columns = {column(kind.massColumn)};
        }
        break;
    }
    return rule;
}

QList<int> SizeRule::readColumns(int position) const
{
    QList<int> columns;
    switch (m_form) {
    case Form::Free: break;
    case Form::Columns:
    case Form::Pipe: columns = m_columns; break;
    case Form::WovenMesh:
        columns = position <= m_meshLastRow ? m_columns.mid(0, 2) : m_columns.mid(2, 1);
        break;
    case Form::WeldedMesh:
        if (position > m_meshLastRow)
            columns = m_columns;
        break;
    }
    columns.removeAll(-1);
    return columns;
}

std::optional<SizeRule::Fault> SizeRule::check(const QStringList &row, int position) const
{
    const bool blank = std::all_of(row.begin(), row.end(),
                                   [](const QString &cell) { return cell.trimmed().isEmpty(); });
    if (blank)
        return Fault{QStringLiteral("Заполните хотя бы одно поле."), -1};

    const QList<int> columns = readColumns(position);
    if (m_form == Form::WovenMesh && position <= m_meshLastRow) {
        // A mesh is made with rhombic cells, square ones or both; 0 (or nothing) where not.
        for (int column : columns) {
            const QString cell = row.value(column).trimmed();
            if (!cell.isEmpty() && !(isPlainNumber(cell) && ReadNumber(cell) >= 0))
                return Fault{QStringLiteral("В поле «%1» должно стоять положительное число или 0.")
                                 .arg(name(column)),
                             column};
        }
        const bool either = std::any_of(columns.begin(), columns.end(), [&](int column) {
            return isPositiveNumber(row.value(column));
        });
        if (!either && !columns.isEmpty()) {
            QStringList names;
            for (int column : columns)
                names.append(QStringLiteral("«%1»").arg(name(column)));
            return Fault{QStringLiteral("В поле %1 должно стоять положительное число.")
                             .arg(names.join(QStringLiteral(" или "))),
                         columns.first()};
        }
        return std::nullopt;
    }
    for (int column : columns)
        if (const std::optional<Fault> fault = positive(row, column))
            return fault;
    // The pipe's mass is taken from the diameter less the wall: a wall as thick as the
    // diameter would weigh nothing or less.
    if (m_form == Form::Pipe && columns.size() == 2
        && ReadNumber(row.value(columns.at(0))) <= ReadNumber(row.value(columns.at(1))))
        return Fault{QStringLiteral("Число в поле «%1» должно быть больше числа в поле «%2».")
                         .arg(name(columns.at(0)), name(columns.at(1))),
                     columns.at(0)};
    return std::nullopt;
}

std::optional<SizeRule::Fault> SizeRule::positive(const QStringList &row, int column) const
{
    if (isPositiveNumber(row.value(column)))
        return std::nullopt;
    return Fault{QStringLiteral("В поле «%1» должно стоять положительное число.").arg(name(column)),
                 column};
}

QString SizeRule::name(int column) const
{
    return m_names.value(column);
}

bool SizeRule::isPlainNumber(const QString &cell)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    return number.match(cell.trimmed()).hasMatch();
}

bool SizeRule::isPositiveNumber(const QString &cell)
{
    if (!isPlainNumber(cell))
        return false;
    const double value = ReadNumber(cell);
    return std::isfinite(value) && value > 0;
}

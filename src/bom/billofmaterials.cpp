#include "bom/billofmaterials.h"

#include "bom/bomdesignation.h"
#include "bom/bomtable.h"

#include <QHash>
#include <QSignalBlocker>
#include <QUndoCommand>

#include <algorithm>

namespace {

using Bom = BillOfMaterials;

QString itemText(const BomItem &item)
{
    return item.name + QLatin1Char(' ') + BomDesignation::designation(item);
}

class InsertCommand : public QUndoCommand
{
public:
    InsertCommand(Bom &list, int position, const BomItem &item)
        : QUndoCommand(QStringLiteral("добавление: %1").arg(itemText(item)))
        , m_list(list), m_position(position), m_item(item)
    {
    }
    void redo() override { m_list.insertAt(m_position, m_item); }
    void undo() override { m_list.takeAt(m_position); }

private:
    Bom &m_list;
    int m_position;
    BomItem m_item;
};

class RemoveCommand : public QUndoCommand
{
public:
    // Positions in ascending order.
    RemoveCommand(Bom &list, const QList<int> &positions)
        : QUndoCommand(positions.size() == 1 ? QStringLiteral("удаление: %1").arg(itemText(list.items().at(positions.first())))
                                             : QStringLiteral("удаление строк: %1").arg(positions.size()))
        , m_list(list), m_positions(positions)
    {
        for (int p : positions)
            m_removed.append(list.items().at(p));
    }
    void redo() override
    {
        for (auto p = m_positions.crbegin(); p != m_positions.crend(); ++p)
            m_list.takeAt(*p);
    }
    void undo() override
    {
        for (int i = 0; i < m_positions.size(); ++i)
            m_list.insertAt(m_positions.at(i), m_removed.at(i));
    }

private:
    Bom &m_list;
    QList<int> m_positions;
    QList<BomItem> m_removed;
};

class EditCommand : public QUndoCommand
{
public:
    EditCommand(Bom &list, int position, const BomItem &after, const QString &what)
        : QUndoCommand(QStringLiteral("%1: %2").arg(what, itemText(after)))
        , m_list(list), m_position(position), m_before(list.items().at(position)), m_after(after)
    {
    }
    void redo() override { m_list.setAt(m_position, m_after); }
    void undo() override { m_list.setAt(m_position, m_before); }

private:
    Bom &m_list;
    int m_position;
    BomItem m_before;
    BomItem m_after;
};

class MoveCommand : public QUndoCommand
{
public:
    MoveCommand(Bom &list, int from, int to)
        : QUndoCommand(QStringLiteral("перемещение: %1").arg(itemText(list.items().at(from))))
        , m_list(list), m_from(from), m_to(to)
    {
    }
    void redo() override { m_list.moveItem(m_from, m_to); }
    void undo() override { m_list.moveItem(m_to, m_from); }

private:
    Bom &m_list;
    int m_from;
    int m_to;
};

class ReplaceCommand : public QUndoCommand
{
public:
    ReplaceCommand(Bom &list, const QList<BomItem> &after, const QString &description)
        : QUndoCommand(description), m_list(list), m_before(list.items()), m_after(after)
    {
    }
    void redo() override { m_list.setAll(m_after); }
    void undo() override { m_list.setAll(m_before); }

private:
    Bom &m_list;
    QList<BomItem> m_before;
    QList<BomItem> m_after;
};

} // namespace

BillOfMaterials::BillOfMaterials(QObject *parent)
    : QObject(parent)
{
    // Every push, undo and redo moves the stack's index: the one place a change is noticed.
    connect(&m_undo, &QUndoStack::indexChanged, this, &BillOfMaterials::changed);
}

BillOfMaterials::~BillOfMaterials()
{
    // The commands refer to the list; they go first, and their going is no change.
    const QSignalBlocker quiet(&m_undo);
    m_undo.clear();
}

int BillOfMaterials::add(const BomItem &item)
{
    // The same product of the same length and marks is one line: its quantity grows.
    if (item.hasQuantity()) {
        for (int i = 0; i < count(); ++i) {
            if (!m_items.at(i).sameAs(item))
                continue;
            if (std::optional<BomItem> merged = withQuantity(m_items.at(i), m_items.at(i).inputs.pieces + item.inputs.pieces)) {
                m_undo.push(new EditCommand(*this, i, *merged, QStringLiteral("добавлено к строке")));
                return i;
            }
        }
    }
    int position = count();
    for (int i = count() - 1; i >= 0; --i) {
        if (m_items.at(i).standard == item.standard) {
            position = i + 1;
            break;
        }
    }
    m_undo.push(new InsertCommand(*this, position, item));
    return position;
}

bool BillOfMaterials::setLength(int position, double value)
{
    if (position < 0 || position >= count() || m_items.at(position).lengthValue() == value)
        return false;
    const std::optional<BomItem> next = withLength(m_items.at(position), value);
    if (!next)
        return false;
    m_undo.push(new EditCommand(*this, position, *next,
                                next->rule() == MassRule::PerArea ? QStringLiteral("площадь")
                                                                 : QStringLiteral("длина")));
    return true;
}

bool BillOfMaterials::setQuantity(int position, double value)
{
    if (position < 0 || position >= count() || m_items.at(position).inputs.pieces == value)
        return false;
    const std::optional<BomItem> next = withQuantity(m_items.at(position), value);
    if (!next)
        return false;
    m_undo.push(new EditCommand(*this, position, *next, QStringLiteral("количество")));
    return true;
}

bool BillOfMaterials::remove(QList<int> positions)
{
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.removeIf([this](int p) { return p < 0 || p >= count(); });
    if (positions.isEmpty())
        return false;
    m_undo.push(new RemoveCommand(*this, positions));
    return true;
}

bool BillOfMaterials::move(int position, int step)
{
    const int to = position + step;
    if ((step != -1 && step != 1) || position < 0 || position >= count() || to < 0 || to >= count()
        || m_items.at(to).standard != m_items.at(position).standard)
        return false;
    m_undo.push(new MoveCommand(*this, position, to));
    return true;
}

void BillOfMaterials::setNextMarks(const QString &grade, const QString &group)
{
    SpecSettings next = m_settings;
    next.nextGrade = grade.simplified();
    next.nextGroup = group.simplified();
    setSettings(next);
}

void BillOfMaterials::setSettings(const SpecSettings &settings)
{
    if (settings == m_settings)
        return;
    m_settings = settings;
    Q_EMIT settingsChanged();
}

bool BillOfMaterials::setMarks(const QList<int> &positions, const QString &grade, const QString &group)
{
    QList<BomItem> after = m_items;
    int changedCount = 0;
    for (int p : positions) {
        if (p < 0 || p >= count())
            continue;
        BomItem item = after.at(p);
        if (item.grade == grade.simplified() && item.group == group.simplified())
            continue;
        item.grade = grade.simplified();
        item.group = group.simplified();
        if (!recompute(item))
            continue;
        after[p] = item;
        ++changedCount;
    }
    if (changedCount == 0)
        return false;
    const QString marks = QStringList{grade.simplified(), group.simplified()}.join(QStringLiteral(", "));
    m_undo.push(new ReplaceCommand(*this, after, QStringLiteral("марка и группа «%1» для строк: %2").arg(marks).arg(changedCount)));
    return true;
}

void BillOfMaterials::replaceAll(const QList<BomItem> &items, const QString &description)
{
    m_undo.push(new ReplaceCommand(*this, grouped(items), description));
}

void BillOfMaterials::load(const QList<BomItem> &items)
{
    {
        const QSignalBlocker quiet(&m_undo);
        m_undo.clear();
    }
    m_items = grouped(items);
    m_groupsValid = false;
    Q_EMIT loaded();
}

QList<BomItem> BillOfMaterials::grouped(const QList<BomItem> &items)
{
    QHash<QString, int> order;
    for (const BomItem &item : items)
        order.insert(item.standard, order.value(item.standard, int(order.size())));
    QList<BomItem> sorted = items;
    std::stable_sort(sorted.begin(), sorted.end(), [&order](const BomItem &a, const BomItem &b) {
        return order.value(a.standard) < order.value(b.standard);
    });
    return sorted;
}

const QList<BillOfMaterials::Group> &BillOfMaterials::groups() const
{
    if (m_groupsValid)
        return m_groups;
    m_groups.clear();
    for (int i = 0; i < count(); ++i) {
        const BomItem &item = m_items.at(i);
        if (m_groups.isEmpty() || m_groups.last().standard != item.standard)
            m_groups.append({item.standard, i, 0, 0, 0});
        ++m_groups.last().count;
        m_groups.last().grams += BomTable::printedGrams(item);
    }
    for (Group &group : m_groups)
        group.totalKg = double(group.grams) / 1000;
    m_groupsValid = true;
    return m_groups;
}

double BillOfMaterials::totalKg() const
{
    std::int64_t grams = 0;
    for (const Group &group : groups())
        grams += group.grams;
    return double(grams) / 1000;
}

void BillOfMaterials::touch()
{
    m_groupsValid = false;
}

void BillOfMaterials::insertAt(int position, const BomItem &item)
{
    m_items.insert(position, item);
    touch();
}

BomItem BillOfMaterials::takeAt(int position)
{
    touch();
    return m_items.takeAt(position);
}

void BillOfMaterials::setAt(int position, const BomItem &item)
{
    m_items[position] = item;
    touch();
}

void BillOfMaterials::moveItem(int from, int to)
{
    m_items.move(from, to);
    touch();
}

void BillOfMaterials::setAll(const QList<BomItem> &items)
{
    m_items = items;
    touch();
}

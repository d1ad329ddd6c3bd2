#include "bom/keptlist.h"

#include "bom/bomcsv.h"
#include "platform/backupname.h"
#include "platform/safefile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The items of a list counted by the text of their lines (number left out): what the merge
// compares, as the file itself tells items apart.
QHash<QString, int> counted(const QStringList &keys)
{
    QHash<QString, int> counts;
    for (const QString &key : keys)
        ++counts[key];
    return counts;
}

QStringList keysOf(const BillOfMaterials &list)
{
    QStringList keys;
    keys.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        keys.append(BomCsv::itemKey(list, i));
    return keys;
}

// Takes one of the key from the counts; false when none is left.
bool takeOne(QHash<QString, int> &counts, const QString &key)
{
    const auto found = counts.find(key);
    if (found == counts.end() || *found == 0)
        return false;
    --*found;
    return true;
}

} // namespace

KeptList::KeptList(QString path)
    : m_path(std::move(path))
{
}

KeptList::Reading KeptList::read(BomKindRows &rows) const
{
    // The stamp first: a write that comes while the file is read shows at the next save.
    Reading reading;
    reading.stamp = FileStamp::of(m_path);
    reading.loaded = BomStore::load(m_path, rows, &reading.bytes);
    return reading;
}

void KeptList::adopt(const Reading &reading)
{
    m_stamp = reading.stamp;
    m_unreadable = reading.loaded.found && !reading.loaded.readable;
    m_unread = reading.loaded.result.skipped.isEmpty() ? QByteArray() : reading.bytes;
    BillOfMaterials items;
    items.load(reading.loaded.result.items);
    m_baseKeys = counted(keysOf(items));
}

QString KeptList::unreadNote() const
{
    if (m_unreadable)
        return QStringLiteral(" Программа не будет записывать в него, чтобы не потерять его содержимое: "
                              "изменения спецификации не сохранятся, пока этот файл не уберут.");
    return QStringLiteral(" Файл останется как есть, пока вы не измените спецификацию; тогда его прежний "
                          "текст со всеми строками будет сохранён в %1.")
        .arg(QDir::toNativeSeparators(BackupName::firstFree(m_path)));
}

KeptList::Outcome KeptList::load(BillOfMaterials &list, BomKindRows &rows)
{
    const Reading reading = read(rows);
    adopt(reading);
    Outcome outcome;
    if (!reading.loaded.found)
        return outcome;
    list.load(reading.loaded.result.items);
    if (!reading.loaded.readable || !reading.loaded.result.skipped.isEmpty()) {
        outcome.message = BomStore::damagedMessage(m_path, reading.loaded) + unreadNote();
        outcome.error = true;
    }
    return outcome;
}

KeptList::Outcome KeptList::merge(BillOfMaterials &list, BomKindRows &rows)
{
    const Reading theirs = read(rows);
    // This copy's base, before the reading takes its place.
    const QHash<QString, int> base = m_baseKeys;
    adopt(theirs);
    const QString file = QDir::toNativeSeparators(m_path);
    if (m_unreadable)
        return {false, false,
                QStringLiteral("Файл спецификации %1 изменён вне программы и не читается.").arg(file) + unreadNote(),
                true};
    // This copy's changes since the file was last read or written here, made again on what
    // the file holds now: the items removed here leave it, the items added here join it.
    QHash<QString, int> removedHere = base;
    QList<int> addedHere;
    const QStringList ours = keysOf(list);
    for (int i = 0; i < ours.size(); ++i)
        if (!takeOne(removedHere, ours.at(i)))
            addedHere.append(i);
    BillOfMaterials theirList;
    theirList.load(theirs.loaded.result.items);
    const QStringList their = keysOf(theirList);
    QList<BomItem> merged;
    for (int i = 0; i < their.size(); ++i)
        if (!takeOne(removedHere, their.at(i)))
            merged.append(theirList.items().at(i));
    for (int i : addedHere)
        merged.append(list.items().at(i));
    list.load(merged);
    QString message = QStringLiteral("Спецификацию в файле %1 изменила другая копия программы или другая "
                                     "программа. Её изменения и ваши объединены, изделий в списке: %2; "
                                     "отменить прежние изменения больше нельзя.")
                          .arg(file)
                          .arg(list.count());
    if (!theirs.loaded.result.skipped.isEmpty())
        message += QLatin1Char(' ') + BomStore::damagedMessage(m_path, theirs.loaded) + unreadNote();
    return {false, true, message, false};
}

QString KeptList::keepUnread()
{
    if (m_unread.isEmpty())
        return QString();
    const QString copy = BackupName::firstFree(m_path);
    if (const QString why = SafeFile::write(copy, m_unread); !why.isEmpty())
        return QStringLiteral("Не могу сохранить копию файла спецификации с непрочитанными строками в %1: %2. "
                              "Изменение не сохранено в файле, файл остался как был.")
            .arg(QDir::toNativeSeparators(copy), why);
    m_unread.clear();
    return QString();
}

KeptList::Outcome KeptList::save(BillOfMaterials &list, BomKindRows &rows)
{
    Outcome outcome;
    const FileStamp now = FileStamp::of(m_path);
    // A file removed since is not merged with: nothing of it is left to keep.
    if (now != m_stamp && now.exists)
        outcome = merge(list, rows);
    const auto failed = [&outcome](const QString &message) {
        outcome.message = outcome.message.isEmpty() ? message : outcome.message + QLatin1Char('\n') + message;
        outcome.error = true;
        return outcome;
    };
    const QString file = QDir::toNativeSeparators(m_path);
    if (m_unreadable)
        return failed(QStringLiteral("Файл спецификации %1 не прочитан, и программа не записывает в него, чтобы "
                                     "не потерять его содержимое. Изменение не сохранено в файле.")
                          .arg(file));
    const QString directory = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(directory))
        return failed(QStringLiteral("Не могу создать папку %1. Изменение не сохранено в файле.")
                          .arg(QDir::toNativeSeparators(directory)));
    if (const QString why = keepUnread(); !why.isEmpty())
        return failed(why);
    if (const QString why = SafeFile::write(m_path, BomCsv::write(list)); !why.isEmpty())
        return failed(QStringLiteral("Не могу сохранить спецификацию в %1: %2. Изменение не сохранено в файле, "
                                     "файл остался как был.")
                          .arg(file, why));
    m_stamp = FileStamp::of(m_path);
    m_baseKeys = counted(keysOf(list));
    outcome.written = true;
    return outcome;
}

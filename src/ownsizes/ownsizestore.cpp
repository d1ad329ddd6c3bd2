#include "ownsizes/ownsizestore.h"

#include "ownsizes/tablefiles.h"
#include "platform/backupname.h"
#include "platform/regularfile.h"
#include "platform/safefile.h"
#include "platform/usermessages.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString MessageTitle = QStringLiteral("Свои размеры");

} // namespace

OwnSizeStore::OwnSizeStore(const QString &userDataDir, UserMessages *messages)
    : m_directory(userDataDir.isEmpty() ? QString() : userDataDir + QStringLiteral("/sizes"))
    , m_messages(messages)
{
}

QString OwnSizeStore::directory() const
{
    return m_directory;
}

QString OwnSizeStore::filePath(const QString &table) const
{
    const QString name = OwnSizes::tableFileName(table);
    return m_directory.isEmpty() || name.isEmpty() ? QString() : m_directory + QLatin1Char('/') + name;
}

QList<QStringList> OwnSizeStore::rows(const QString &table, const QStringList &columns, int baseRows)
{
    const QString path = filePath(table);
    if (path.isEmpty())
        return {};
    auto known = m_tables.find(table);
    if (known == m_tables.end() || known->columns != columns || known->baseRows != baseRows
        || known->stamp != FileStamp::of(path)) {
        Table fresh;
        fresh.columns = columns;
        fresh.baseRows = baseRows;
        fresh.rule = SizeRule::forTable(table, columns);
        // A file already told of is not told of again while it stays as it was.
        const bool told = known != m_tables.end() && known->stamp == FileStamp::of(path) && known->file.damaged();
        read(table, fresh);
        if (fresh.file.damaged() && !told)
            tellDamaged(path, fresh.file, fresh.unreadable);
        known = m_tables.insert(table, std::move(fresh));
    }
    return known->file.rows;
}

void OwnSizeStore::read(const QString &table, Table &known)
{
    const QString path = filePath(table);
    known.stamp = FileStamp::of(path);
    known.file = OwnSizeFile();
    known.damagedKept = false;
    known.unreadable = false;
    if (!known.stamp.exists)
        return;
    const RegularFile::Contents contents = RegularFile::read(path, MaxFileSize);
    switch (contents.status) {
    case RegularFile::Status::Read:
        known.file = OwnSizeFile::parse(contents.bytes, table, known.columns, known.rule, known.baseRows);
        return;
    case RegularFile::Status::TooLarge:
        known.unreadable = true;
        known.file.badReason = QStringLiteral("Файл слишком велик для списка размеров.");
        return;
    case RegularFile::Status::CannotOpen:
    case RegularFile::Status::NotRegular:
    case RegularFile::Status::ReadFailed:
        known.unreadable = true;
        known.file.badReason = QStringLiteral("Файл не открывается.");
        return;
    }
}

void OwnSizeStore::tellDamaged(const QString &path, const OwnSizeFile &file, bool unreadable)
{
    if (!m_messages)
        return;
    const QString where = file.badLine > 0 ? QStringLiteral("строка %1: ").arg(file.badLine) : QString();
    // A file not read at all cannot be copied, so it is not written over either.
    const QString after = unreadable
                              ? QStringLiteral("Файл не будет перезаписан: изменения этой таблицы не сохранятся, "
                                               "пока его не уберут или не откроют к нему доступ.")
                              : QStringLiteral("Строки, которые не удалось прочитать, пропущены. Файл не будет "
                                               "перезаписан, пока вы не измените эту таблицу; тогда рядом с ним "
                                               "останется его прежняя копия «%1».")
                                    .arg(QFileInfo(BackupName::firstFree(path)).fileName());
    m_messages->show({QStringLiteral("Файл своих размеров «%1» прочитан не весь, %2%3\n%4")
                          .arg(QDir::toNativeSeparators(path), where, file.badReason, after),
                      MessageTitle, UserMessages::Icon::Information, UserMessages::Buttons::Ok});
}

QStringList OwnSizeStore::columns(const QString &table) const
{
    return m_tables.value(table).columns;
}

int OwnSizeStore::baseRows(const QString &table) const
{
    return m_tables.value(table).baseRows;
}

QList<QStringList> OwnSizeStore::ownRows(const QString &table) const
{
    return m_tables.value(table).file.rows;
}

SizeRule OwnSizeStore::rule(const QString &table) const
{
    return m_tables.value(table).rule;
}

bool OwnSizeStore::add(const QString &table, const QStringList &row)
{
    if (!m_tables.contains(table))
        return false;
    OwnSizeFile changed = m_tables.value(table).file;
    changed.rows.append(row);
    return save(table, std::move(changed));
}

bool OwnSizeStore::replace(const QString &table, int index, const QStringList &row)
{
    if (!m_tables.contains(table) || index < 0 || index >= m_tables.value(table).file.rows.size())
        return false;
    OwnSizeFile changed = m_tables.value(table).file;
    changed.rows[index] = row;
    return save(table, std::move(changed));
}

bool OwnSizeStore::remove(const QString &table, int index)
{
    if (!m_tables.contains(table) || index < 0 || index >= m_tables.value(table).file.rows.size())
        return false;
    OwnSizeFile changed = m_tables.value(table).file;
    changed.rows.removeAt(index);
    return save(table, std::move(changed));
}

bool OwnSizeStore::save(const QString &table, OwnSizeFile changed)
{
    Table &known = m_tables[table];
    const QString path = filePath(table);
    if (path.isEmpty())
        return false;
    // Changed on disk since it was read (by hand, by another program, by a second run of this
    // one): writing the change would lose that. The file is read again instead, and the user
    // repeats the change on what it now holds.
    if (known.stamp != FileStamp::of(path)) {
        read(table, known);
        tellChangedOutside(path);
        return false;
    }
    if (!QDir().mkpath(m_directory))
        return fail(m_directory, QStringLiteral("не могу создать папку"));
    if (known.file.damaged() && known.stamp.exists && !known.damagedKept && !keepDamaged(path))
        return false;
    known.damagedKept = known.file.damaged() && known.stamp.exists;
    changed.badLine = 0;
    changed.badReason.clear();
    if (const QString why = SafeFile::write(path, changed.text(table, known.columns)); !why.isEmpty())
        return fail(path, why);
    known.file = std::move(changed);
    known.stamp = FileStamp::of(path);
    known.damagedKept = false;
    return true;
}

bool OwnSizeStore::keepDamaged(const QString &path)
{
    // What could not be read stays in a copy of its own, beside the earlier ones: the file is
    // then rewritten with the readable rows. A file that cannot be read at all cannot be kept,
    // so it is not written over either.
    const RegularFile::Contents damaged = RegularFile::read(path, MaxFileSize);
    if (damaged.status != RegularFile::Status::Read) {
        failRead(path);
        return false;
    }
    const QString backup = BackupName::firstFree(path);
    if (const QString why = SafeFile::write(backup, damaged.bytes); !why.isEmpty())
        return fail(backup, why);
    return true;
}

void OwnSizeStore::tellChangedOutside(const QString &path)
{
    if (m_messages)
        m_messages->show({QStringLiteral("Файл своих размеров «%1» изменён вне программы, после того как "
                                         "она его прочитала. Изменение не сохранено, чтобы не затереть "
                                         "его; таблица перечитана из файла. Повторите изменение.")
                              .arg(QDir::toNativeSeparators(path)),
                          MessageTitle, UserMessages::Icon::Information, UserMessages::Buttons::Ok});
}

bool OwnSizeStore::fail(const QString &path, const QString &why)
{
    if (m_messages)
        m_messages->critical(QStringLiteral("Не могу записать «%1»: %2. Изменение не сохранено, файлы "
                                            "своих размеров остались как были.")
                                 .arg(QDir::toNativeSeparators(path), why),
                             QStringLiteral("Ошибка"));
    return false;
}

void OwnSizeStore::failRead(const QString &path)
{
    if (m_messages)
        m_messages->critical(QStringLiteral("Не могу прочитать «%1», поэтому не могу сохранить его копию. "
                                            "Изменение не сохранено, файл остался как был: откройте к нему "
                                            "доступ или уберите его, чтобы начать таблицу заново.")
                                 .arg(QDir::toNativeSeparators(path)),
                             QStringLiteral("Ошибка"));
}

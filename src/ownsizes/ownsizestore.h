#pragma once

#include "ownsizes/ownsizefile.h"
#include "ownsizes/sizerule.h"
#include "platform/filestamp.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class UserMessages;

// The user's own sizes of every table, one file a table in "<user data>/sizes/", named like the
// table's source in data/tables. A file is read when its table is shown and again only when
// it has changed on disk; it is written only when the user changes its table, atomically,
// and a file that could not be read whole is first kept beside it as "<file>.bak" (or, that
// name taken by an earlier copy, the next "<file>.N.bak"). A file that cannot be read at all is
// not written over.
class OwnSizeStore
{
public:
    // The largest file read as a table's own sizes: thousands of rows are far below it, and a
    // larger file is no list of sizes, so it is told of as unreadable rather than read whole.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    // userDataDir empty: no place for own sizes, so tables show the base's rows only.
    OwnSizeStore(const QString &userDataDir, UserMessages *messages);

    QString directory() const;
    // The table's file; empty for a table without one (or without a place for them).
    QString filePath(const QString &table) const;

    // For the data source: the own rows of the table, shown after baseRows rows of the base.
    // A file read for the first time since it changed and not read whole is told of in one
    // message naming it and its first bad line.
    QList<QStringList> rows(const QString &table, const QStringList &columns, int baseRows);

    // What the last rows() call found for the table.
    bool knows(const QString &table) const { return m_tables.contains(table); }
    QStringList columns(const QString &table) const;
    int baseRows(const QString &table) const;
    QList<QStringList> ownRows(const QString &table) const;
    SizeRule rule(const QString &table) const;

    // The user's changes to a table known from rows(). Each writes the file at once; when that
    // fails the user is told in one message and nothing changes, on disk or here. A file that
    // has changed on disk since it was read is not written over: it is read again (ownRows()
    // then gives what it holds), the user is told, and the change is to be made again.
    bool add(const QString &table, const QStringList &row);
    bool replace(const QString &table, int index, const QStringList &row);
    bool remove(const QString &table, int index);

private:
    struct Table
    {
        QStringList columns;
        int baseRows = 0;
        SizeRule rule;
        OwnSizeFile file;
        FileStamp stamp;
        bool damagedKept = false; // the damaged file as read has its copy already
        bool unreadable = false;  // found, but none of it could be read
    };

    void read(const QString &table, Table &known);
    bool save(const QString &table, OwnSizeFile changed);
    bool keepDamaged(const QString &path);
    void tellDamaged(const QString &path, const OwnSizeFile &file, bool unreadable);
    void tellChangedOutside(const QString &path);
    bool fail(const QString &path, const QString &why);
    void failRead(const QString &path);

    QString m_directory;
    UserMessages *m_messages;
    QHash<QString, Table> m_tables;
};

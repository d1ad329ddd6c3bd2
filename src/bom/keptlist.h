#pragma once

#include "bom/billofmaterials.h"
#include "bom/bomstore.h"
#include "platform/filestamp.h"

#include <QByteArray>
#include <QHash>
#include <QString>

class BomKindRows;

// The materials list kept between runs, as one running copy of the program holds it. Read at
// the start and written whole after every change of the user's, through SafeFile; never
// written blindly over what it has not read:
// - lines that could not be read (damaged, another encoding, a size the base or the own sizes
//   no longer have) are kept in a copy beside the file ("specification.csv.bak", or the next
//   free "….N.bak") before the file is first rewritten, and the message at reading names it;
// - a file changed on disk since this copy read or wrote it (a second running copy, another
//   program) is read again and its items merged with this copy's changes before writing;
// - a file found but not read at all (no right to read it, too large, no regular file) is not
//   written over.
class KeptList
{
public:
    explicit KeptList(QString path);

    const QString &path() const { return m_path; }

    struct Outcome
    {
        bool written = false; // the file holds the list (save)
        bool merged = false;  // the list took in the changes another copy made in the file
        QString message;      // what the user is to be told; empty for nothing
        bool error = false;   // the message tells of a failure
    };

    // Puts the file's items in the list (as no change of the user's); nothing when the file is
    // missing.
    Outcome load(BillOfMaterials &list, BomKindRows &rows);

    // Writes the list after a change of the user's; merges first (the list is then loaded with
    // the merged items) when the file changed since it was read or written here.
    Outcome save(BillOfMaterials &list, BomKindRows &rows);

private:
    struct Reading
    {
        FileStamp stamp;
        BomStore::Loaded loaded;
        QByteArray bytes; // as read, when readable
    };

    Reading read(BomKindRows &rows) const;
    // Takes a reading as what the file holds now: the base of later merges, and the bytes to
    // keep when lines of it were not read.
    void adopt(const Reading &reading);
    Outcome merge(BillOfMaterials &list, BomKindRows &rows);
    QString keepUnread();
    QString unreadNote() const;

    QString m_path;
    FileStamp m_stamp;              // the file as last read or written here
    QHash<QString, int> m_baseKeys; // its items, counted by their lines' text
    QByteArray m_unread;            // the file's bytes while it has lines not read and not kept
    bool m_unreadable = false;      // found but not read: never written over
};

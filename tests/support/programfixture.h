#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A program directory made by a test: a base of the test's own tables or a copy of the built
// one, and drawings of a known size under every picture name the program uses.
class ProgramFixture
{
public:
    struct Table
    {
        QString name;
        QStringList columns;
        QList<QStringList> rows; // integers are stored as integers, everything else as text
    };

    ProgramFixture();

    QString dir() const; // without the trailing separator, as the executable's directory
    QString file(const QString &name) const;

    // The base's list of the tables that hold only part of their standard, as the build writes
    // it: each row a table name and the text shown for it. Given to writeBase with the tables.
    static Table partialTables(const QList<QStringList> &rows);

    void writeBase(const QList<Table> &tables);
    void copyBuiltBase();
    void writePictures(QSize pixels = QSize(200, 150));
    void writePicture(const QString &name, QSize pixels);

    static const QStringList &pictureNames();

private:
    QTemporaryDir m_dir;
};

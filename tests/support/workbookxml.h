#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// A workbook written by the program, read back through its XML the way other programs read it
// (unzip): a sheet's cells by reference, its merged ranges and its page set-up.
namespace WorkbookXml {

struct Cell
{
    QString value;   // the number, or the text of a shared or inline string
    QString formula;
};

struct Sheet
{
    QMap<QString, Cell> cells; // by reference, "H5"
    QStringList merged;        // "A3:H3"
    QString paperSize;         // of the page set-up, "9" for A4
    QString orientation;       // "portrait" or "landscape"
};

// A part of the workbook's zip, as it is stored.
QByteArray part(const QString &path, const QString &name);
// The sheet of that number (1-based), shared strings resolved.
Sheet sheet(const QString &path, int number = 1);

} // namespace WorkbookXml

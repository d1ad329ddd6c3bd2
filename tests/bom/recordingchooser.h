#pragma once

#include "bom/bomfilechooser.h"

#include <QPrinter>
#include <QStringList>

// Answers the list window's file and printer questions from the test: the file to open, the
// file to write, and a printer that prints into a PDF file (or a cancelled print).
class RecordingChooser : public BomFileChooser
{
public:
    QString openFile(QWidget *) override { return toOpen; }
    QString saveFile(QWidget *, const QString &, const QString &filter, const QString &suffix) override
    {
        filters.append(filter + QLatin1Char('|') + suffix);
        return toSave;
    }
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        if (printTo.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }

    QString toOpen;
    QString toSave;
    QString printTo;
    QStringList filters;
};

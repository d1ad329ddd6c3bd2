#pragma once

#include "bom/bomfilechooser.h"

#include <QStringList>

// Answers the list window's file questions from the test: the file to open and the file to
// write, noting the filter and suffix each was asked with.
class RecordingChooser : public BomFileChooser
{
public:
    QString openFile(QWidget *) override { return toOpen; }
    QString saveFile(QWidget *, const QString &, const QString &filter, const QString &suffix) override
    {
        filters.append(filter + QLatin1Char('|') + suffix);
        return toSave;
    }

    QString toOpen;
    QString toSave;
    QStringList filters;
};

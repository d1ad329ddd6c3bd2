#include "mappedfiles.h"

#include <QByteArray>
#include <QFile>
#include <QList>

QStringList mappedFiles(const QString &text)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/maps");
    QStringList files;
    const QList<QByteArray> lines = maps.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype path = line.indexOf('/');
        if (path < 0)
            continue;
        const QString file = QString::fromLocal8Bit(line.mid(path));
        if (file.section(QLatin1Char('/'), -1).contains(text) && !files.contains(file))
            files.append(file);
    }
    return files;
}

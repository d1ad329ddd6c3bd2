#include "workbookxml.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace WorkbookXml {

namespace {

QStringList sharedStrings(const QString &path)
{
    QStringList shared;
    QXmlStreamReader s(part(path, QStringLiteral("xl/sharedStrings.xml")));
    while (!s.atEnd()) {
        s.readNext();
        if (s.isStartElement() && s.name() == QLatin1String("si"))
            shared.append(QString());
        else if (s.isStartElement() && s.name() == QLatin1String("t") && !shared.isEmpty())
            shared.last() += s.readElementText();
    }
    return shared;
}

} // namespace

QByteArray part(const QString &path, const QString &name)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, name});
    if (!unzip.waitForFinished(60000) || unzip.exitStatus() != QProcess::NormalExit || unzip.exitCode() != 0)
        qWarning("unzip of %s from %s failed", qPrintable(name), qPrintable(path));
    return unzip.readAllStandardOutput();
}

Sheet sheet(const QString &path, int number)
{
    const QStringList shared = sharedStrings(path);
    Sheet result;
    QXmlStreamReader x(part(path, QStringLiteral("xl/worksheets/sheet%1.xml").arg(number)));
    QString ref, type;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = x.attributes();
        if (x.name() == QLatin1String("c")) {
            ref = attributes.value(QLatin1String("r")).toString();
            type = attributes.value(QLatin1String("t")).toString();
            result.cells.insert(ref, {});
        } else if (x.name() == QLatin1String("v")) {
            const QString v = x.readElementText();
            result.cells[ref].value = type == QLatin1String("s") ? shared.value(v.toInt()) : v;
        } else if (x.name() == QLatin1String("f")) {
            result.cells[ref].formula = x.readElementText();
        } else if (x.name() == QLatin1String("pageSetup")) {
            result.paperSize = attributes.value(QLatin1String("paperSize")).toString();
            result.orientation = attributes.value(QLatin1String("orientation")).toString();
        } else if (x.name() == QLatin1String("mergeCell")) {
            result.merged.append(attributes.value(QLatin1String("ref")).toString());
        }
    }
    return result;
}

} // namespace WorkbookXml

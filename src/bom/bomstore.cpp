#include "bom/bomstore.h"

#include "bom/bomcsv.h"
#include "platform/regularfile.h"
#include "platform/safefile.h"

#include <QDir>
#include <QFileInfo>

namespace BomStore {

namespace {
// The one place the kept list's file name is written.
const QString KeptListFileName = QStringLiteral("specification.csv");
} // namespace

QString keptListPath(const QString &userDataDir)
{
    return QDir(userDataDir).filePath(KeptListFileName);
}

Loaded load(const QString &path, BomKindRows &rows, QByteArray *bytes)
{
    Loaded loaded;
    const QFileInfo info(path);
    loaded.found = info.exists() || info.isSymLink();
    if (!loaded.found)
        return loaded;
    // Only a regular file of a list's size is read: a FIFO in its place would hold the program
    // until a writer came, a device would never end.
    const RegularFile::Contents contents = RegularFile::read(path, MaxListFileSize);
    if (contents.status != RegularFile::Status::Read)
        return loaded;
    loaded.readable = true;
    if (bytes)
        *bytes = contents.bytes;
    loaded.result = BomRestore::restore(BomCsv::parse(contents.bytes), rows);
    return loaded;
}

bool save(const BillOfMaterials &list, const QString &path, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail(QStringLiteral("не могу создать папку %1").arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())));
    if (const QString why = SafeFile::write(path, BomCsv::write(list)); !why.isEmpty())
        return fail(why);
    return true;
}

QString damagedMessage(const QString &path, const Loaded &loaded)
{
    const QString file = QDir::toNativeSeparators(path);
    if (!loaded.readable)
        return QStringLiteral("Не могу прочитать файл спецификации %1 !").arg(file);
    QStringList lines;
    for (int line : loaded.result.skipped)
        lines.append(QString::number(line));
    return QStringLiteral("Файл спецификации %1 прочитан не полностью: пропущены строки %2. "
                          "Прочитано изделий: %3.")
        .arg(file, lines.join(QStringLiteral(", ")))
        .arg(loaded.result.items.size());
}

} // namespace BomStore

#include "programfixture.h"

#include "catalogue/partialtables.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString quoted(const QString &name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

} // namespace

ProgramFixture::ProgramFixture() = default;

QString ProgramFixture::dir() const
{
    return m_dir.path();
}

QString ProgramFixture::file(const QString &name) const
{
    return m_dir.filePath(name);
}

ProgramFixture::Table ProgramFixture::partialTables(const QList<QStringList> &rows)
{
    return {QString::fromUtf8(PartialTables::Table),
            {QString::fromUtf8(PartialTables::NameColumn), QString::fromUtf8(PartialTables::TextColumn)},
            rows};
}

void ProgramFixture::writeBase(const QList<Table> &tables)
{
    const QString connection = QStringLiteral("fixture-writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(file(QStringLiteral("base.mdb")));
        db.open();
        db.transaction();
        static const QRegularExpression integer(QStringLiteral("^(0|-?[1-9][0-9]*)$"));
        for (const Table &table : tables) {
            QStringList columns;
            for (const QString &c : table.columns)
                columns.append(quoted(c));
            QSqlQuery q(db);
            q.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table.name), columns.join(QStringLiteral(", "))));
            QStringList marks;
            for (int i = 0; i < table.columns.size(); ++i)
                marks.append(QStringLiteral("?"));
            for (const QStringList &row : table.rows) {
                q.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(quoted(table.name), marks.join(QStringLiteral(", "))));
                for (int i = 0; i < table.columns.size(); ++i) {
                    const QString cell = row.value(i);
                    q.bindValue(i, integer.match(cell).hasMatch() ? QVariant(cell.toLongLong()) : QVariant(cell));
                }
                q.exec();
            }
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

void ProgramFixture::copyBuiltBase()
{
    QFile::copy(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb"), file(QStringLiteral("base.mdb")));
}

void ProgramFixture::writePictures(QSize pixels)
{
    for (const QString &name : pictureNames())
        writePicture(name, pixels);
}

void ProgramFixture::writePicture(const QString &name, QSize pixels)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.save(file(name), "JPEG");
}

const QStringList &ProgramFixture::pictureNames()
{
    static const QStringList names{
        QStringLiteral("spunt.jpg"), QStringLiteral("dvut1.jpg"), QStringLiteral("dvut2.jpg"),
        QStringLiteral("krug.jpg"), QStringLiteral("kvadrat.jpg"), QStringLiteral("rels1.jpg"),
        QStringLiteral("rels2.jpg"), QStringLiteral("shgn1.jpg"), QStringLiteral("sh1.jpg"),
        QStringLiteral("sh2.jpg"), QStringLiteral("ugol1.jpg"), QStringLiteral("ugolgn1.jpg"),
        QStringLiteral("ugol2.jpg"), QStringLiteral("ugolgn2.jpg"), QStringLiteral("z.jpg"),
        QStringLiteral("truba.jpg"), QStringLiteral("arm.jpg"), QStringLiteral("arma1.jpg"), QStringLiteral("s1.jpg"),
        QStringLiteral("s2.jpg"), QStringLiteral("ss1.jpg"), QStringLiteral("ss2.jpg"),
        QStringLiteral("prov1.jpg"), QStringLiteral("gay.jpg"), QStringLiteral("shay.jpg"),
        QStringLiteral("vint1.jpg"), QStringLiteral("vint2.jpg"), QStringLiteral("bolt.jpg"),
        QStringLiteral("r1.jpg"), QStringLiteral("r2.jpg"), QStringLiteral("morvex.jpg"),
        QStringLiteral("polosa.jpg"), QStringLiteral("trubaprof.jpg")};
    return names;
}

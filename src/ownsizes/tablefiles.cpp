#include "ownsizes/tablefiles.h"

#include <utility>

namespace OwnSizes {

namespace {

// Table name, file name: the tests hold this list against the "# table:" lines of data/tables.
const std::pair<const char *, const char *> TableFiles[] = {
    {"арматура", "armatura.csv"},
    {"арматура 34028", "armatura_34028.csv"},
    {"Болты В", "bolty_v.csv"},
    {"болты высокопрочные", "bolty_vp.csv"},
    {"двутавр", "dvutavr.csv"},
    {"двутавр 57837", "dvutavr_57837.csv"},
    {"дюбели-гвозди", "dyubeli_gvozdi.csv"},
    {"Гайки В", "gaiki_v.csv"},
    {"гайки высокопрочные", "gaiki_vp.csv"},
    {"Прокат круглый", "krug.csv"},
    {"прокат квадратный", "kvadrat.csv"},
    {"лист гладкий", "list_gladky.csv"},
    {"лист рифленный", "list_riflenny.csv"},
    {"полоса", "polosa.csv"},
    {"Провол", "provol.csv"},
    {"Проволока", "provoloka.csv"},
    {"рельс железнодорожный", "rels.csv"},
    {"Сетка плетеная", "setka_pletenaya.csv"},
    {"Сетка сварная", "setka_svarnaya.csv"},
    {"шайба уплотнительная ШУ-6К", "shaiba_shu6k.csv"},
    {"Шайбы", "shaiby.csv"},
    {"шайбы высокопрочные", "shaiby_vp.csv"},
    {"шпунт", "shpunt.csv"},
    {"швеллер", "shveller.csv"},
    {"швеллер гнутый", "shveller_gnuty.csv"},
    {"Труба квадратная", "truba_kvadratnaya.csv"},
    {"трубы", "truby.csv"},
    {"трубы бесшовные", "truby_besshovnye.csv"},
    {"трубы из нерж", "truby_nerzh.csv"},
    {"трубы профильные", "truby_profilnye.csv"},
    {"уголок", "ugolok.csv"},
    {"уголок1", "ugolok1.csv"},
    {"уголок гнутый", "ugolok_gnuty.csv"},
    {"уголок гнутый1", "ugolok_gnuty1.csv"},
    {"винты самонарезающие", "vinty.csv"},
    {"z профиль", "z_profil.csv"},
    {"заклепки комбинированные", "zaklepki.csv"},
};

} // namespace

QString tableFileName(const QString &table)
{
    // Table names are compared exactly, as the base compares them.
    for (const auto &[name, file] : TableFiles)
        if (table == QString::fromUtf8(name))
            return QString::fromLatin1(file);
    return QString();
}

QStringList tablesWithFiles()
{
    QStringList tables;
    for (const auto &entry : TableFiles)
        tables.append(QString::fromUtf8(entry.first));
    return tables;
}

} // namespace OwnSizes

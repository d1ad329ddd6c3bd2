#include "steelspec/steelgrades.h"

namespace {

// The stainless grades' density: 7.90 t/m³ for the austenitic steels, after ГОСТ 9941-2022,
// annex A; the carbon and low-alloyed grades are at the tables' 7.85.
constexpr double StainlessDensity = 7.90;

const QString OtherGroup = QStringLiteral("Прочие");

} // namespace

QString SteelGrade::withStandard() const
{
    return standard.isEmpty() ? name : name + QLatin1Char(' ') + standard;
}

namespace SteelGrades {

const QList<SteelGrade> &offered()
{
    static const QList<SteelGrade> grades = [] {
        QList<SteelGrade> list;
        const QString structural = QStringLiteral("ГОСТ 27772-2015");
        for (const char *name : {"С235", "С245", "С255", "С285", "С345", "С355", "С375", "С390"})
            list.append({QString::fromUtf8(name), structural, TableDensity});
        list.append({QStringLiteral("09Г2С"), QStringLiteral("ГОСТ 19281-2014"), TableDensity});
        list.append({QStringLiteral("Ст3сп"), QStringLiteral("ГОСТ 535-2005"), TableDensity});
        list.append({QStringLiteral("Ст3пс"), QStringLiteral("ГОСТ 535-2005"), TableDensity});
        list.append({QStringLiteral("12Х18Н10Т"), QStringLiteral("ГОСТ 5632-2014"), StainlessDensity});
        list.append({QStringLiteral("08Х18Н10"), QStringLiteral("ГОСТ 5632-2014"), StainlessDensity});
        return list;
    }();
    return grades;
}

SteelGrade find(const QString &name)
{
    const QString wanted = name.simplified();
    // A grade typed with its standard after it ("12Х18Н10Т ГОСТ 5632-2014") is the offered one.
    const QString first = wanted.section(QLatin1Char(' '), 0, 0);
    for (const SteelGrade &grade : offered())
        if (grade.name == wanted || (grade.name == first && wanted.mid(first.size() + 1) == grade.standard))
            return grade;
    return {wanted, QString(), TableDensity};
}

double densityFactor(const QString &name)
{
    return find(name).density / TableDensity;
}

int order(const QString &name)
{
    const QString wanted = name.trimmed();
    // An item without a grade comes last, after the grades the user typed.
    if (wanted.isEmpty())
        return int(offered().size()) + 1;
    for (int i = 0; i < offered().size(); ++i)
        if (offered().at(i).name == wanted)
            return i;
    return int(offered().size());
}

} // namespace SteelGrades

namespace ConstructionGroups {

const QStringList &offered()
{
    static const QStringList groups{
        QStringLiteral("Колонны"),  QStringLiteral("Балки"),    QStringLiteral("Фермы"),
        QStringLiteral("Связи"),    QStringLiteral("Прогоны"),  QStringLiteral("Ригели"),
        QStringLiteral("Площадки"), QStringLiteral("Лестницы"), QStringLiteral("Ограждения"),
        OtherGroup};
    return groups;
}

int order(const QString &group)
{
    const qsizetype at = offered().indexOf(orDefault(group));
    return at >= 0 ? int(at) : int(offered().size());
}

QString orDefault(const QString &group)
{
    const QString trimmed = group.trimmed();
    return trimmed.isEmpty() ? OtherGroup : trimmed;
}

} // namespace ConstructionGroups

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The steel grades offered for an item of the materials list, each with the standard it is
// made to and its density. A grade the user types that is not offered is taken as it is, to no
// standard, at the density of carbon steel.
struct SteelGrade
{
    QString name;     // "С255"
    QString standard; // "ГОСТ 27772-2015"
    double density;   // t/m³

    // "С255 ГОСТ 27772-2015", as the specification's metal column writes it.
    QString withStandard() const;
};

namespace SteelGrades {

// The density the reference tables' masses of 1 m are worked out at.
inline constexpr double TableDensity = 7.85;

const QList<SteelGrade> &offered();
// The offered grade of that name (compared without blanks around it), or the typed one.
SteelGrade find(const QString &name);
// What a table's mass is multiplied by for an item of the grade: its density over 7.85.
double densityFactor(const QString &name);
// Where a grade stands among the offered ones; the ones typed by the user after them all, no
// grade last.
int order(const QString &name);

} // namespace SteelGrades

// The groups of construction elements the specification's mass columns are split by.
namespace ConstructionGroups {

const QStringList &offered();
// Where a group stands among the offered ones; the ones typed by the user after them all.
int order(const QString &group);
// The column an item without a group is counted in.
QString orDefault(const QString &group);

} // namespace ConstructionGroups

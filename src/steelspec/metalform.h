#pragma once

#include "steelspec/specmass.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The technical specification of metal of a drawing (its form 2): the rolled products and
// sheets of the materials list grouped by profile (its name and standard), within a profile by
// steel grade, within a grade by size, with one mass column per group of construction elements
// and the total. After each grade "Итого:", after each profile "Всего профиля:", at the end
// "Всего масса металла:" and the masses "В том числе по маркам или наименованиям:". Every row
// is numbered. Each size's cells are rounded first, and every total is the sum of the printed
// cells it covers, so the printed form adds up.
namespace MetalForm {

// One item of rolled product or sheet as the specification counts it.
struct Line
{
    QString profile;       // "Двутавры ГОСТ 26020-83"
    int profileOrder = 0;  // profiles stand in this order, then by their text
    QString grade;         // "С255"; empty when none was given
    QString size;          // "20Б1"
    int sizeOrder = 0;     // sizes of a grade stand in this order (their rows in the table)
    QString group;         // "Балки"; empty counts as "Прочие"
    double massKg = 0;
};

// An optional line for a mass added to the metal in proportion, such as the weld metal: its
// caption, and its per cent of each group's mass.
struct Allowance
{
    bool on = false;
    QString caption = QStringLiteral("Масса наплавленного металла");
    double percent = 1.0;
};

struct Settings
{
    SpecMassUnit unit = SpecMassUnit::Tonnes2;
    Allowance allowance;
};

struct Row
{
    enum class Kind { Size, GradeTotal, ProfileTotal, Allowance, GrandTotal, GradeShare };
    Kind kind = Kind::Size;
    // The three text columns as printed; the profile and the grade only on the first row that
    // has them.
    QString profile;
    QString metal;
    QString size;
    int number = 0; // № п.п.
    // A cell per group column: quanta of the unit, nothing where the row has no mass of it.
    QList<std::optional<std::int64_t>> byGroup;
    std::int64_t total = 0;
    // Rows (positions in Form::rows) whose cells this row's cells are the sums of: a total's
    // formulas in a workbook add up those rows.
    QList<int> sumOf;
};

struct Form
{
    SpecMassUnit unit = SpecMassUnit::Tonnes2;
    QStringList groups; // the mass columns, in the order of the offered groups, then as met
    QList<Row> rows;

    bool isEmpty() const { return rows.isEmpty(); }
};

Form make(const QList<Line> &lines, const Settings &settings = {});

// Texts of the totals, as the form prints them.
inline const QString GradeTotalText = QStringLiteral("Итого:");
inline const QString ProfileTotalText = QStringLiteral("Всего профиля:");
inline const QString GrandTotalText = QStringLiteral("Всего масса металла:");
inline const QString GradeShareText = QStringLiteral("В том числе по маркам или наименованиям:");
inline const QString NoGradeText = QStringLiteral("Марка не указана");

} // namespace MetalForm

#include "steelspec/metalform.h"

#include "steelspec/steelgrades.h"

#include <QHash>

#include <algorithm>
#include <tuple>

namespace MetalForm {

namespace {

using Cells = QList<std::optional<std::int64_t>>;

// The masses of one size of one grade of one profile, in kilograms by group, before rounding.
struct SizeMasses
{
    QString size;
    int sizeOrder = 0;
    QHash<QString, double> kgByGroup;
};

struct GradeMasses
{
    QString grade;
    QList<SizeMasses> sizes;
};

struct ProfileMasses
{
    QString profile;
    int profileOrder = 0;
    QList<GradeMasses> grades;
};

// The groups present, the offered ones in their order, the others as they come.
QStringList groupsOf(const QList<Line> &lines)
{
    QStringList groups;
    for (const Line &line : lines) {
        const QString group = ConstructionGroups::orDefault(line.group);
        if (!groups.contains(group))
            groups.append(group);
    }
    std::stable_sort(groups.begin(), groups.end(), [](const QString &a, const QString &b) {
        return ConstructionGroups::order(a) < ConstructionGroups::order(b);
    });
    return groups;
}

// The lines gathered by profile, grade and size, each in the order the form gives them.
QList<ProfileMasses> gather(const QList<Line> &lines)
{
    QList<ProfileMasses> profiles;
    for (const Line &line : lines) {
        auto profile = std::find_if(profiles.begin(), profiles.end(),
                                    [&](const ProfileMasses &p) { return p.profile == line.profile; });
        if (profile == profiles.end())
            profile = profiles.insert(profiles.end(), {line.profile, line.profileOrder, {}});
        profile->profileOrder = std::min(profile->profileOrder, line.profileOrder);
        const QString grade = line.grade.trimmed();
        auto gradeIt = std::find_if(profile->grades.begin(), profile->grades.end(),
                                    [&](const GradeMasses &g) { return g.grade == grade; });
        if (gradeIt == profile->grades.end())
            gradeIt = profile->grades.insert(profile->grades.end(), {grade, {}});
        auto size = std::find_if(gradeIt->sizes.begin(), gradeIt->sizes.end(),
                                 [&](const SizeMasses &s) { return s.size == line.size; });
        if (size == gradeIt->sizes.end())
            size = gradeIt->sizes.insert(gradeIt->sizes.end(), {line.size, line.sizeOrder, {}});
        size->sizeOrder = std::min(size->sizeOrder, line.sizeOrder);
        size->kgByGroup[ConstructionGroups::orDefault(line.group)] += line.massKg;
    }
    std::stable_sort(profiles.begin(), profiles.end(), [](const ProfileMasses &a, const ProfileMasses &b) {
        return std::tie(a.profileOrder, a.profile) < std::tie(b.profileOrder, b.profile);
    });
    for (ProfileMasses &profile : profiles) {
        std::stable_sort(profile.grades.begin(), profile.grades.end(), [](const GradeMasses &a, const GradeMasses &b) {
            return std::make_tuple(SteelGrades::order(a.grade), a.grade) < std::make_tuple(SteelGrades::order(b.grade), b.grade);
        });
        for (GradeMasses &grade : profile.grades)
            std::stable_sort(grade.sizes.begin(), grade.sizes.end(),
                             [](const SizeMasses &a, const SizeMasses &b) { return a.sizeOrder < b.sizeOrder; });
    }
    return profiles;
}

QString metalText(const QString &grade)
{
    return grade.isEmpty() ? NoGradeText : SteelGrades::find(grade).withStandard();
}

std::int64_t sumOfCells(const Cells &cells)
{
    std::int64_t total = 0;
    for (const std::optional<std::int64_t> &cell : cells)
        total += cell.value_or(0);
    return total;
}

// Builds the rows one after another, numbering them.
class FormBuilder
{
public:
    FormBuilder(const QStringList &groups, SpecMassUnit unit)
        : m_groups(groups)
        , m_unit(unit)
    {
    }

    int add(Row row)
    {
        row.number = int(m_rows.size()) + 1;
        row.total = sumOfCells(row.byGroup);
        m_rows.append(row);
        return int(m_rows.size()) - 1;
    }

    // A total row whose cells add up the cells of those rows.
    int addSum(Row row, const QList<int> &of)
    {
        row.byGroup = Cells(m_groups.size());
        for (const int at : of) {
            for (qsizetype g = 0; g < m_groups.size(); ++g) {
                if (const std::optional<std::int64_t> cell = m_rows.at(at).byGroup.at(g))
                    row.byGroup[g] = row.byGroup[g].value_or(0) + *cell;
            }
        }
        row.sumOf = of;
        return add(row);
    }

    Cells rounded(const QHash<QString, double> &kgByGroup) const
    {
        Cells cells(m_groups.size());
        for (auto it = kgByGroup.cbegin(); it != kgByGroup.cend(); ++it)
            cells[m_groups.indexOf(it.key())] = SpecMass::toQuanta(it.value(), m_unit);
        return cells;
    }

    const Row &at(int position) const { return m_rows.at(position); }
    QList<Row> rows() const { return m_rows; }

private:
    QStringList m_groups;
    SpecMassUnit m_unit;
    QList<Row> m_rows;
};

// A profile's sizes, grade by grade, with their totals; the grade totals' positions by grade.
int addProfile(FormBuilder &form, const ProfileMasses &profile, QHash<QString, QList<int>> &gradeTotals)
{
    QList<int> totals;
    bool firstOfProfile = true;
    for (const GradeMasses &grade : profile.grades) {
        QList<int> sizes;
        for (const SizeMasses &size : grade.sizes) {
            Row row;
            row.profile = firstOfProfile ? profile.profile : QString();
            row.metal = sizes.isEmpty() ? metalText(grade.grade) : QString();
            row.size = size.size;
            row.byGroup = form.rounded(size.kgByGroup);
            sizes.append(form.add(row));
            firstOfProfile = false;
        }
        Row total;
        total.kind = Row::Kind::GradeTotal;
        total.size = GradeTotalText;
        totals.append(form.addSum(total, sizes));
        gradeTotals[grade.grade].append(totals.last());
    }
    Row total;
    total.kind = Row::Kind::ProfileTotal;
    total.size = ProfileTotalText;
    return form.addSum(total, totals);
}

// The allowance's row: its per cent of each group's printed mass, rounded in its turn.
int addAllowance(FormBuilder &form, const Allowance &allowance, const QList<int> &profileTotals,
                 const QStringList &groups, SpecMassUnit unit)
{
    QHash<QString, double> kgByGroup;
    for (const int at : profileTotals)
        for (qsizetype g = 0; g < groups.size(); ++g)
            if (const std::optional<std::int64_t> cell = form.at(at).byGroup.at(g))
                kgByGroup[groups.at(g)] += double(*cell) * SpecMass::quantumKg(unit) * allowance.percent / 100;
    Row row;
    row.kind = Row::Kind::Allowance;
    row.profile = QStringLiteral("%1 %2 %").arg(allowance.caption, QLocale().toString(allowance.percent));
    row.byGroup = form.rounded(kgByGroup);
    return form.add(row);
}

} // namespace

Form make(const QList<Line> &lines, const Settings &settings)
{
    Form result;
    result.unit = settings.unit;
    if (lines.isEmpty())
        return result;
    result.groups = groupsOf(lines);
    FormBuilder form(result.groups, settings.unit);

    QHash<QString, QList<int>> gradeTotals;
    QStringList gradesMet;
    QList<int> profileTotals;
    for (const ProfileMasses &profile : gather(lines)) {
        profileTotals.append(addProfile(form, profile, gradeTotals));
        for (const GradeMasses &grade : profile.grades)
            if (!gradesMet.contains(grade.grade))
                gradesMet.append(grade.grade);
    }
    QList<int> grand = profileTotals;
    std::optional<int> allowance;
    if (settings.allowance.on) {
        allowance = addAllowance(form, settings.allowance, profileTotals, result.groups, settings.unit);
        grand.append(*allowance);
    }
    Row total;
    total.kind = Row::Kind::GrandTotal;
    total.profile = GrandTotalText;
    form.addSum(total, grand);

    std::stable_sort(gradesMet.begin(), gradesMet.end(), [](const QString &a, const QString &b) {
        return std::make_tuple(SteelGrades::order(a), a) < std::make_tuple(SteelGrades::order(b), b);
    });
    for (const QString &grade : std::as_const(gradesMet)) {
        Row share;
        share.kind = Row::Kind::GradeShare;
        share.profile = grade == gradesMet.first() ? GradeShareText : QString();
        share.metal = metalText(grade);
        form.addSum(share, gradeTotals.value(grade));
    }
    if (allowance) {
        Row share;
        share.kind = Row::Kind::GradeShare;
        share.metal = settings.allowance.caption;
        form.addSum(share, {*allowance});
    }
    result.rows = form.rows();
    return result;
}

} // namespace MetalForm

#include "steelspec/specmass.h"

#include <cmath>

namespace SpecMass {

double quantumKg(SpecMassUnit unit)
{
    switch (unit) {
    case SpecMassUnit::Tonnes1: return 100;
    case SpecMassUnit::Tonnes2: return 10;
    case SpecMassUnit::Tonnes3:
    case SpecMassUnit::Kilograms: break;
    }
    return 1;
}

int decimals(SpecMassUnit unit)
{
    switch (unit) {
    case SpecMassUnit::Tonnes1: return 1;
    case SpecMassUnit::Tonnes2: return 2;
    case SpecMassUnit::Tonnes3: return 3;
    case SpecMassUnit::Kilograms: break;
    }
    return 0;
}

std::int64_t toQuanta(double kg, SpecMassUnit unit)
{
    const double quanta = kg / quantumKg(unit);
    return std::llround(std::round(quanta * 1e6) / 1e6);
}

double toNumber(std::int64_t quanta, SpecMassUnit unit)
{
    if (unit == SpecMassUnit::Kilograms)
        return double(quanta);
    // Tonnes from whole quanta by a division, so 0.01 × 7 is 0.07 and not 0.07000000000000001.
    return double(quanta) / std::pow(10.0, decimals(unit));
}

QString text(std::int64_t quanta, SpecMassUnit unit, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(toNumber(quanta, unit), 'f', decimals(unit));
}

QString unitName(SpecMassUnit unit)
{
    return unit == SpecMassUnit::Kilograms ? QStringLiteral("кг") : QStringLiteral("т");
}

} // namespace SpecMass

#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

// How the specification writes its masses: tonnes with 1, 2 or 3 decimals, or whole
// kilograms. A mass is kept as a whole number of the unit's last printed digit (a quantum:
// 100 kg, 10 kg, 1 kg), so that a total made of printed cells is their exact sum and the
// printed form adds up to the last digit.
enum class SpecMassUnit { Tonnes1, Tonnes2, Tonnes3, Kilograms };

namespace SpecMass {

// The quantum's mass in kilograms.
double quantumKg(SpecMassUnit unit);
int decimals(SpecMassUnit unit);
// A mass in kilograms rounded to the unit's quanta, halves away from zero; the binary noise
// below a millionth of a quantum (0.145 t held as 0.14499999…) does not tip a half.
std::int64_t toQuanta(double kg, SpecMassUnit unit);
// The quanta as the number written into a cell: tonnes or kilograms.
double toNumber(std::int64_t quanta, SpecMassUnit unit);
// The quanta as shown: "0,50", "12", with the locale's decimal separator and no grouping.
QString text(std::int64_t quanta, SpecMassUnit unit, const QLocale &locale = QLocale());
// The unit as the headings name it: "т" or "кг".
QString unitName(SpecMassUnit unit);

} // namespace SpecMass

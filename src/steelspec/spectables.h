#pragma once

#include "steelspec/fastenerstatement.h"
#include "steelspec/metalform.h"
#include "steelspec/spectable.h"
#include "steelspec/steelusestatement.h"

// The specification's three tables laid out for drawing and writing: the form of the
// technical specification of metal, the statement of fasteners and the statement of
// reinforcement steel. Figures are written with the given locale's decimal separator.
namespace SpecTables {

// The line over each form.
struct Heading
{
    QString project;
    QString sheet;
};

// Columns of the form in millimetres: 30, 30, 30, 10, 15 a group, 25.
SpecTable metalForm(const MetalForm::Form &form, const Heading &heading, const QLocale &locale = QLocale());
SpecTable fasteners(const FastenerStatement::Statement &statement, const Heading &heading,
                    const QLocale &locale = QLocale());
SpecTable steelUse(const SteelUseStatement::Statement &statement, const Heading &heading,
                   const QLocale &locale = QLocale());

inline const QString MetalFormTitle = QStringLiteral("Техническая спецификация металла");

} // namespace SpecTables

#pragma once

#include "bom/bomitem.h"
#include "steelspec/fastenerstatement.h"
#include "steelspec/metalform.h"
#include "steelspec/spectables.h"
#include "steelspec/steelusestatement.h"

#include <QList>
#include <QLocale>

// The materials list as the technical specification of metal of a drawing: each item counted
// where its kind's entry in the catalogue puts it (rolled products and sheet in the form,
// fasteners in the statement of fasteners, reinforcement, wire and mesh in the statement of
// reinforcement steel), by its kind's name and standard, its grade, group and size.
namespace BomSpec {

// How the list's specification is drawn: the line over each form, the unit of its masses and
// the allowance line; kept with the list.
struct Settings
{
    SpecTables::Heading heading;
    MetalForm::Settings form;
};

// "Двутавры ГОСТ 26020-83": the kind's name for the form and the item's standard.
QString profileOf(const BomItem &item);

QList<MetalForm::Line> formLines(const QList<BomItem> &items);
QList<FastenerStatement::Line> fastenerLines(const QList<BomItem> &items);
QList<SteelUseStatement::Line> steelUseLines(const QList<BomItem> &items);

// The form, then each statement that has lines; the form alone (empty) for an empty list.
QList<SpecTable> tables(const QList<BomItem> &items, const Settings &settings, const QLocale &locale = QLocale());

} // namespace BomSpec

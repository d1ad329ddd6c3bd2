#pragma once

#include "calc/massrules.h"
#include "catalogue/productoption.h"

#include <QString>
#include <QMetaType>
#include <QStringList>

// One line of the materials list: what the calculator showed when it was added, and what the
// mass rules need to work it out again when its length or quantity changes. Lengths are kept
// in millimetres and masses in kilograms, whatever units the calculator showed.
struct BomItem
{
    QString kindId;         // the kind's identity in the catalogue
    QString title;          // the kind's title, as the data panel showed it
    QString name;           // Наименование: the title without its standard
    QString standard;       // Стандарт: the row's own standard where its table names one
    QString rowDesignation; // the size as a designer writes it, with the product option; its
                            // decimal points as the base has them, shown the regional way
    ProductOption option = ProductOption::None;
    int rowPosition = -1;   // 0-based position of the size row in its table
    QStringList cells;      // the size row as the base holds it: the rules read its cells
    CalcState state;        // MassDivisor 1 (kilograms), LengthDivisor 1000 (millimetres)
    CalcInputs inputs;      // width and length in millimetres, area in m²
    // What the technical specification of metal counts the item by: the steel grade as offered
    // ("С255") or typed, the group of construction elements ("Балки"), both empty when none was
    // given; the property class its designation carries ("5.8" of a bolt), empty where the kind
    // names none.
    QString grade;
    QString group;
    QString propertyClass;
    // Both masses are the table's (at 7.85 t/m³) times the grade's density factor.
    double onePiece = 0;    // kg (of 1 m² under the per-area rule)
    double total = 0;       // kg

    MassRule rule() const { return MassRuleOf(state); }
    // The rule reads a length (or, per area, an area) and a number of pieces.
    bool hasLength() const;
    bool hasQuantity() const;
    // The length column's figure: the length in mm, or the area in m² under the per-area rule.
    double lengthValue() const;
    // The grade's density over the tables' 7.85 t/m³: 1 for carbon steel, 7.90 / 7.85 for
    // stainless.
    double densityFactor() const;
    // The same product, length and marks: added again, its quantity is added to this one's.
    bool sameAs(const BomItem &other) const;
};

// Works both masses out again from the item's state, inputs and row; false (and the masses
// left as they were) when the rules give no result.
bool recompute(BomItem &item);

// The same item with another length (area under the per-area rule) or number of pieces,
// recomputed; nothing for a figure that is negative or not finite, for an input the rule does
// not read, or when the rules give no result.
std::optional<BomItem> withLength(const BomItem &item, double value);
std::optional<BomItem> withQuantity(const BomItem &item, double value);

Q_DECLARE_METATYPE(BomItem)
// Its members move as bytes: inserting into a long list moves the others by memmove.
Q_DECLARE_TYPEINFO(BomItem, Q_RELOCATABLE_TYPE);

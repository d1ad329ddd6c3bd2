#pragma once

#include "bom/bomitem.h"
#include "catalogue/catalogue.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// How a designer writes an item of each kind: the size from the columns of its row ("50×5",
// "20Б1", "57×3,5", "М12×60"), the standard from the row where its table names one, from the
// kind's title otherwise, by the pattern of the kind's entry in the catalogue.
namespace BomDesignation {

// A title split into the name of the product and its standard: "Уголок равнобокий ГОСТ
// 8509-93" is "Уголок равнобокий" and "ГОСТ 8509-93"; "по" before the standard and what
// follows its number ("таблица 1") are dropped. A title without a standard is all name.
struct TitleParts
{
    QString name;
    QString standard;
};
TitleParts splitTitle(const QString &title);

// The size of a row with its product option, as the list shows it ("5-1,2 (ромб)").
QString rowDesignation(const Catalogue::Kind &kind, const QStringList &cells, ProductOption option,
                       const QLocale &locale = QLocale());
// The standard of a row.
QString standard(const Catalogue::Kind &kind, const QStringList &cells, int rowPosition);
// The full size of an item: the row's, the sheet's width and length where they belong ("-8×1500×3000",
// "4,0 мм, ромбическое, 1500×6000"), and the property class ("М16-6gx60.58").
QString designation(const BomItem &item, const QLocale &locale = QLocale());
// The row's size alone, without a sheet's width and length: "-8".
QString rowSize(const BomItem &item, const QLocale &locale = QLocale());
// As the technical specification of metal and its statements write the item: a fastener with
// its name and standard ("Болт М16-6gx60.58 ГОСТ 7798-70"), anything else by its designation.
QString written(const BomItem &item, const QLocale &locale = QLocale());
// ".58": the property class "5.8" as a designation ends in; empty for none.
QString classSuffix(const QString &propertyClass);
// ", 1500×6000": the sheet size that follows a ribbed sheet's row designation.
QString sheetSize(double widthMm, double lengthMm, const QLocale &locale = QLocale());
// The text that a sheet's designation ends in (", 1500×6000" or "×1500×6000"), split off: the
// row's part and the width read from it; nothing when the text does not end in a sheet size.
struct SheetParts
{
    QString row;
    double width = 0;
};
std::optional<SheetParts> splitSheetSize(const QString &designation);

// A comparison key that reads a designation the same under any decimal separator.
QString key(const QString &designation);

} // namespace BomDesignation

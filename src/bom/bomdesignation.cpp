#include "bom/bomdesignation.h"

#include "calc/readnumber.h"

#include <QHash>
#include <QRegularExpression>

namespace BomDesignation {

namespace {

// The decimal points of numbers (a point between two digits) written the locale's way; a
// plain loop, as this runs for every item shown or read.
QString localDecimals(QString text, QChar point)
{
    if (point == QLatin1Char('.'))
        return text;
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text.at(i) == QLatin1Char('.') && text.at(i - 1).isDigit() && text.at(i + 1).isDigit())
            text[i] = point;
    return text;
}

const QString AsNumber = QStringLiteral(":n");

// The column a place holder names ("{3}", or "{0:n}" for a figure written in as few digits as
// give it: a sheet's "8.0" is "-8"), and whether it is written as a figure; -1 for no column.
int placeColumn(const QString &inner, bool *asNumber)
{
    *asNumber = inner.endsWith(AsNumber);
    bool ok = false;
    const int column = (*asNumber ? inner.chopped(AsNumber.size()) : inner).toInt(&ok);
    return ok ? column : -1;
}

// The columns a pattern names, in order.
QList<int> patternColumns(const char *pattern)
{
    QList<int> columns;
    const QString text = QString::fromUtf8(pattern);
    for (qsizetype open = text.indexOf(QLatin1Char('{')); open >= 0; open = text.indexOf(QLatin1Char('{'), open + 1)) {
        const qsizetype close = text.indexOf(QLatin1Char('}'), open);
        bool asNumber = false;
        const int column = close > open ? placeColumn(text.mid(open + 1, close - open - 1), &asNumber) : -1;
        if (column >= 0)
            columns.append(column);
    }
    return columns;
}

QString number(double value, const QLocale &locale);

QString expand(const char *pattern, const QStringList &cells, const QLocale &locale)
{
    const QString text = QString::fromUtf8(pattern);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype close = text.at(i) == QLatin1Char('{') ? text.indexOf(QLatin1Char('}'), i) : -1;
        bool asNumber = false;
        const int column = close > i ? placeColumn(text.mid(i + 1, close - i - 1), &asNumber) : -1;
        if (column < 0) {
            out += text.at(i);
            continue;
        }
        const QString cell = cells.value(column).trimmed();
        bool isFigure = false;
        const double figure = asNumber ? QLocale::c().toDouble(cell, &isFigure) : 0;
        out += isFigure ? number(figure, locale) : localDecimals(cell, locale.decimalPoint().at(0));
        i = close;
    }
    return out;
}

bool columnsFilled(const char *pattern, const QStringList &cells)
{
    for (int column : patternColumns(pattern))
        if (cells.value(column).trimmed().isEmpty())
            return false;
    return true;
}

QString optionText(ProductOption option)
{
    switch (option) {
    case ProductOption::Rhombic: return QStringLiteral("ромб");
    case ProductOption::Square: return QStringLiteral("квадрат");
    case ProductOption::Wire3: return QStringLiteral("Ø3 мм");
    case ProductOption::Wire4: return QStringLiteral("Ø4 мм");
    case ProductOption::Wire5: return QStringLiteral("Ø5 мм");
    case ProductOption::None: break;
    }
    return QString();
}

QString number(double value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', QLocale::FloatingPointShortest);
}

const QString Times = QStringLiteral("×");
const QString SheetSeparator = QStringLiteral(", ");

} // namespace

TitleParts splitTitle(const QString &title)
{
    // The catalogue's few titles, split once each.
    static QHash<QString, TitleParts> known;
    if (const auto found = known.constFind(title); found != known.cend())
        return *found;
    static const QRegularExpression re(
        QStringLiteral("^(.*?)(?:\\s+по)?\\s+((?:ГОСТ|ТУ)\\s+\\S+)"));
    const QRegularExpressionMatch match = re.match(title);
    const TitleParts parts = match.hasMatch() ? TitleParts{match.captured(1).simplified(), match.captured(2)}
                                              : TitleParts{title.simplified(), QString()};
    if (known.size() < 256)
        known.insert(title, parts);
    return parts;
}

QString rowDesignation(const Catalogue::Kind &kind, const QStringList &cells, ProductOption option,
                       const QLocale &locale)
{
    QString text = expand(kind.designation.size, cells, locale);
    const QString extra = optionText(option);
    if (!extra.isEmpty())
        text += QStringLiteral(" (") + extra + QLatin1Char(')');
    return text;
}

QString standard(const Catalogue::Kind &kind, const QStringList &cells, int rowPosition)
{
    const Catalogue::Designation &rule = kind.designation;
    const char *pattern = rule.standard;
    if (rule.standardAfter && rowPosition > rule.standardLastRow)
        pattern = rule.standardAfter;
    // A pattern that names no column stands for itself; one whose column is empty in the row
    // gives way to the title's standard.
    if (pattern && columnsFilled(pattern, cells))
        return expand(pattern, cells, QLocale::c()).trimmed();
    const QString titled = splitTitle(QString::fromUtf8(kind.title)).standard;
    // A table without a standard column is of the one standard the catalogue names for it (the Z
    // profiles, whose title names none). A row that leaves its standard cell empty stays without
    // one: the sheet piles' Л5-УМ is of no document the base knows.
    if (titled.isEmpty() && !pattern)
        return QString::fromUtf8(kind.standard);
    return titled;
}

QString sheetSize(double widthMm, double lengthMm, const QLocale &locale)
{
    return SheetSeparator + number(widthMm, locale) + Times + number(lengthMm, locale);
}

QString classSuffix(const QString &propertyClass)
{
    // ГОСТ 1759.0 writes the class after a point and without its own: "5.8" is ".58".
    if (propertyClass.trimmed().isEmpty())
        return QString();
    QString digits = propertyClass.trimmed();
    digits.remove(QLatin1Char('.'));
    digits.remove(QLatin1Char(','));
    return QLatin1Char('.') + digits;
}

QString designation(const BomItem &item, const QLocale &locale)
{
    QString text = localDecimals(item.rowDesignation, locale.decimalPoint().at(0));
    const MassRule rule = item.rule();
    // A plain sheet is written as its thickness, width and length in a row: "-8×1500×3000";
    // a ribbed sheet's row names its pattern, and its size follows after a comma.
    if (rule == MassRule::SmoothSheet)
        text += Times + number(item.inputs.width, locale) + Times + number(item.inputs.length, locale);
    else if (rule == MassRule::RibbedSheet)
        text += sheetSize(item.inputs.width, item.inputs.length, locale);
    return text + classSuffix(item.propertyClass);
}

QString rowSize(const BomItem &item, const QLocale &locale)
{
    return localDecimals(item.rowDesignation, locale.decimalPoint().at(0)) + classSuffix(item.propertyClass);
}

QString written(const BomItem &item, const QLocale &locale)
{
    const Catalogue::Kind *kind = Catalogue::find(item.kindId);
    if (!kind || kind->spec.specClass != Catalogue::SpecClass::Fastener)
        return designation(item, locale);
    QStringList parts{QString::fromUtf8(kind->spec.name), designation(item, locale)};
    if (!item.standard.isEmpty())
        parts.append(item.standard);
    return parts.join(QLatin1Char(' '));
}

std::optional<SheetParts> splitSheetSize(const QString &designation)
{
    static const QRegularExpression figure(QStringLiteral("^\\d+([.,]\\d+)?$"));
    const qsizetype separator = designation.lastIndexOf(SheetSeparator);
    if (separator >= 0) {
        const QStringList sides = designation.mid(separator + SheetSeparator.size()).split(Times);
        if (sides.size() == 2 && figure.match(sides.at(0)).hasMatch() && figure.match(sides.at(1)).hasMatch())
            return SheetParts{designation.left(separator), ReadInputNumber(sides.at(0))};
    }
    // "-8×1500×3000": the last two figures are the width and length.
    const QStringList sides = designation.split(Times);
    if (sides.size() < 3 || !figure.match(sides.at(sides.size() - 2)).hasMatch()
        || !figure.match(sides.last()).hasMatch())
        return std::nullopt;
    return SheetParts{sides.mid(0, sides.size() - 2).join(Times), ReadInputNumber(sides.at(sides.size() - 2))};
}

QString key(const QString &designation)
{
    QString k = designation.simplified();
    k.replace(QLatin1Char(','), QLatin1Char('.'));
    return k;
}

} // namespace BomDesignation

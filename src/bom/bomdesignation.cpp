#include "bom/bomdesignation.h"

#include "bom/bomcapture.h"
#include "calc/meshrows.h"
#include "calc/readnumber.h"

#include <QHash>
#include <QRegularExpression>

namespace BomDesignation {

namespace {

using PA = Catalogue::PipeAnswer;

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

// The columns a pattern names, in order.
QList<int> patternColumns(const char *pattern)
{
    QList<int> columns;
    const QString text = QString::fromUtf8(pattern);
    for (qsizetype open = text.indexOf(QLatin1Char('{')); open >= 0; open = text.indexOf(QLatin1Char('{'), open + 1)) {
        const qsizetype close = text.indexOf(QLatin1Char('}'), open);
        bool ok = false;
        const int column = close > open ? text.mid(open + 1, close - open - 1).toInt(&ok) : -1;
        if (ok)
            columns.append(column);
    }
    return columns;
}

QString expand(const char *pattern, const QStringList &cells, const QLocale &locale)
{
    const QString text = QString::fromUtf8(pattern);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype close = text.at(i) == QLatin1Char('{') ? text.indexOf(QLatin1Char('}'), i) : -1;
        bool isColumn = false;
        const int column = close > i ? text.mid(i + 1, close - i - 1).toInt(&isColumn) : -1;
        if (!isColumn) {
            out += text.at(i);
            continue;
        }
        out += localDecimals(cells.value(column).trimmed(), locale.decimalPoint().at(0));
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

const QList<Rule> &rules()
{
    using E = Extra;
    // toolbar, button, pipe answer; size; standard; extra; two standards by row.
    static const QList<Rule> table{
        {2, 1, PA::Any, "{0}", "{7}"},                                 // Шпунт Ларсена: Л5-УМ
        {2, 2, PA::Any, "{0}", "{8}"},                                 // Двутавр: 20Б1
        {2, 3, PA::Any, "Ø{0}"},                                       // круг: Ø20
        {2, 4, PA::Any, "{0}×{0}"},                                    // квадрат: 20×20
        {2, 5, PA::Any, "{0}", "{1}"},                                 // рельс: Р65
        {2, 6, PA::Any, "{0}×{1}×{2}"},                                // швеллер гнутый: h×b×s
        {2, 7, PA::Any, "{0}", "{9}"},                                 // швеллер: 20П
        {2, 8, PA::Any, "{0}×{1}×{2}"},                                // уголок неравнобокий: B×b×t
        {2, 9, PA::Any, "{0}×{1}×{2}"},                                // гнутый неравнобокий: B×b×s
        {2, 10, PA::Any, "{0}×{1}"},                                   // уголок равнобокий: 50×5
        // The bent equal angles of tables 1 and 2 share sizes and differ in the bend radius.
        {2, 11, PA::Any, "{0}×{1}, R {4}"},
        {2, 12, PA::Any, "{0}×{1}×{2}×{3}"},                           // Z-профиль: h×b×a×s
        {2, 13, PA::No, "{0}×{1}"},                                    // трубы: 57×3,5
        {2, 13, PA::Yes, "{0}×{1}"},
        {2, 14, PA::Any, "{0}×{0}×{1}"},                               // труба квадратная: A×A×s
        {2, 15, PA::Any, "{0}×{1}"},
        {3, 1, PA::Any, "Ø{0}"},                                       // проволока: Ø1,2
        {3, 2, PA::Any, "Ø{0}"},                                       // арматура: Ø12
        {3, 3, PA::Any, "Ø{0}"},                                       // арматура А-I
        {3, 4, PA::Any, "{0}-{1}", "ГОСТ 5336-80", E::CellShape, 46, "ГОСТ 3826-82"},
        {3, 5, PA::Any, "{0}", "{1}", E::WireDiameter},                // сетка сварная
        {3, 6, PA::Any, "Ø{0}"},
        {4, 1, PA::Any, "М{0}"},                                       // гайка: М12
        {4, 2, PA::Any, "{0}×{1}"},                                    // дюбель-гвоздь
        {4, 3, PA::Any, "{0}"},                                        // шайба 12
        {4, 4, PA::Any, "{0}"},
        {4, 5, PA::Any, "{0}×{1}", "{3}"},                             // винт: 4×16
        {4, 6, PA::Any, "{0}×{1}", "{3}"},
        {4, 7, PA::Any, "{1}×{2}"},                                    // заклепка: d×l
        {4, 8, PA::Any, "М{0}×{1}"},                                   // болт: М12×60
        {5, 1, PA::Any, "{0} мм, {1}", nullptr, E::SheetSize},         // рифленый лист
        {5, 2, PA::Any, "{0} мм", "ГОСТ {3}", E::SheetSize},           // лист: 10 мм, 1500×6000
    };
    return table;
}

const Rule *ruleFor(const Catalogue::Kind &kind)
{
    for (const Rule &rule : rules())
        if (rule.toolbar == kind.toolbar && rule.button == kind.button
            && (rule.answer == PA::Any || rule.answer == kind.answer))
            return &rule;
    return nullptr;
}

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
    const Rule *rule = ruleFor(kind);
    if (!rule)
        return QString();
    QString text = expand(rule->size, cells, locale);
    const QString extra = optionText(option);
    if (!extra.isEmpty())
        text += QStringLiteral(" (") + extra + QLatin1Char(')');
    return text;
}

QString standard(const Catalogue::Kind &kind, const QStringList &cells, int rowPosition)
{
    const Rule *rule = ruleFor(kind);
    const char *pattern = rule ? rule->standard : nullptr;
    if (rule && rule->standardAfter && rowPosition > rule->standardLastRow)
        pattern = rule->standardAfter;
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

QString designation(const BomItem &item, const QLocale &locale)
{
    QString text = localDecimals(item.rowDesignation, locale.decimalPoint().at(0));
    const MassRule rule = item.rule();
    if (rule == MassRule::SmoothSheet || rule == MassRule::RibbedSheet)
        text += sheetSize(item.inputs.width, item.inputs.length, locale);
    return text;
}

std::optional<SheetParts> splitSheetSize(const QString &designation)
{
    const qsizetype separator = designation.lastIndexOf(SheetSeparator);
    if (separator < 0)
        return std::nullopt;
    const QString size = designation.mid(separator + SheetSeparator.size());
    const QStringList sides = size.split(Times);
    static const QRegularExpression figure(QStringLiteral("^\\d+([.,]\\d+)?$"));
    if (sides.size() != 2 || !figure.match(sides.at(0)).hasMatch() || !figure.match(sides.at(1)).hasMatch())
        return std::nullopt;
    return SheetParts{designation.left(separator), ReadInputNumber(sides.at(0))};
}

QList<ProductOption> optionsFor(const Catalogue::Kind &kind, int rowPosition)
{
    const Rule *rule = ruleFor(kind);
    if (rule && rule->extra == Extra::CellShape && rowPosition <= MeshRows::LastShapedWovenMesh)
        return {ProductOption::Rhombic, ProductOption::Square};
    if (rule && rule->extra == Extra::WireDiameter && rowPosition > MeshRows::LastRollWeldedMesh)
        return {ProductOption::Wire3, ProductOption::Wire4, ProductOption::Wire5};
    return {ProductOption::None};
}

QString key(const QString &designation)
{
    QString k = designation.simplified();
    k.replace(QLatin1Char(','), QLatin1Char('.'));
    return k;
}

} // namespace BomDesignation

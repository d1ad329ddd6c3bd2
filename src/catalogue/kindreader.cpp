#include "catalogue/kindreader.h"

#include "catalogue/kinddescription.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <utility>

namespace {

using namespace Catalogue;

const std::pair<const char *, CalcModeCode> Rules[] = {
    {"by-length", CalcModeCode::ByLength},     {"per-piece", CalcModeCode::PerPiece},
    {"per-area", CalcModeCode::PerArea},       {"smooth-sheet", CalcModeCode::SmoothSheet},
    {"ribbed-sheet", CalcModeCode::RibbedSheet}};
const std::pair<const char *, MassSource> MassSources[] = {
    {"pipe", MassSource::Pipe}, {"wire", MassSource::Wire}, {"welded-mesh", MassSource::WeldedMesh}};
const std::pair<const char *, PipeAnswer> Answers[] = {{"no", PipeAnswer::No}, {"yes", PipeAnswer::Yes}};
const std::pair<const char *, SpecClass> SpecClasses[] = {{"rolled", SpecClass::Rolled},
                                                         {"sheet", SpecClass::Sheet},
                                                         {"fastener", SpecClass::Fastener},
                                                         {"reinforcement", SpecClass::Reinforcement}};
const std::pair<const char *, MeshForm> MeshForms[] = {{"woven", MeshForm::Woven}, {"welded", MeshForm::Welded}};
// Each shape with the number of dimensions SectionSurface takes for it.
struct ShapeName
{
    const char *name;
    SurfaceShape shape;
    int dimensions;
};
const ShapeName Shapes[] = {
    {"round", SurfaceShape::Round, 1},           {"square", SurfaceShape::Square, 1},
    {"flat", SurfaceShape::Flat, 2},             {"hollow", SurfaceShape::Hollow, 3},
    {"beam", SurfaceShape::Beam, 4},             {"channel", SurfaceShape::Channel, 5},
    {"angle", SurfaceShape::Angle, 4},           {"bent-channel", SurfaceShape::BentChannel, 4},
    {"bent-angle", SurfaceShape::BentAngle, 4},  {"sheet", SurfaceShape::Sheet, 0}};

template<typename T, std::size_t N>
std::optional<T> named(const std::pair<const char *, T> (&table)[N], const QString &name)
{
    for (const auto &[text, value] : table)
        if (name == QLatin1StringView(text))
            return value;
    return std::nullopt;
}

} // namespace

bool KindReader::fail(const QString &why)
{
    m_error = m_where.isEmpty() ? why : m_where + QStringLiteral(": ") + why;
    return false;
}

std::optional<QString> KindReader::text(const QJsonObject &object, const char *field, bool required)
{
    const QJsonValue value = object.value(QLatin1StringView(field));
    if (value.isString() && !value.toString().isEmpty())
        return value.toString();
    if (value.isUndefined() && !required)
        return QString();
    fail(QStringLiteral("«%1» must be a text").arg(QLatin1StringView(field)));
    return std::nullopt;
}

std::optional<int> KindReader::number(const QJsonObject &object, const char *field, std::optional<int> otherwise)
{
    const QJsonValue value = object.value(QLatin1StringView(field));
    if (value.isUndefined() && otherwise)
        return otherwise;
    const double figure = value.toDouble(std::nan(""));
    if (value.isDouble() && figure == std::trunc(figure) && std::fabs(figure) < 1e9)
        return int(figure);
    fail(QStringLiteral("«%1» must be a whole number").arg(QLatin1StringView(field)));
    return std::nullopt;
}

bool KindReader::read(const QByteArray &json)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError)
        return fail(QStringLiteral("no JSON (%1 at %2)").arg(parse.errorString()).arg(parse.offset));
    const QJsonObject root = document.object();
    if (!root.value(QStringLiteral("groups")).isArray() || !root.value(QStringLiteral("kinds")).isArray())
        return fail(QStringLiteral("the description must hold the arrays «groups» and «kinds»"));
    for (const QJsonValue group : root.value(QStringLiteral("groups")).toArray())
        if (!readGroup(group.toObject()))
            return false;
    for (const QJsonValue kind : root.value(QStringLiteral("kinds")).toArray())
        if (!readKind(kind.toObject()))
            return false;
    return true;
}

bool KindReader::readGroup(const QJsonObject &object)
{
    m_where = QStringLiteral("group %1").arg(m_description.m_groups.size() + 1);
    const std::optional<int> toolbar = number(object, "toolbar");
    const std::optional<QString> name = text(object, "name");
    if (!toolbar || !name)
        return false;
    const std::optional<InputStates> inputs = readInputs(object.value(QStringLiteral("inputs")));
    if (!inputs)
        return false;
    QStringList buttons;
    for (const QJsonValue button : object.value(QStringLiteral("buttons")).toArray())
        buttons.append(button.toString());
    m_description.m_groups.append({*toolbar, *name, *inputs, buttons});
    return true;
}

std::optional<InputStates> KindReader::readInputs(const QJsonValue &value)
{
    if (!value.isArray()) {
        fail(QStringLiteral("«inputs» must be a list"));
        return std::nullopt;
    }
    InputStates states{false, false, false, false};
    for (const QJsonValue input : value.toArray()) {
        const QString name = input.toString();
        bool *state = name == QLatin1StringView("width")    ? &states.width
                      : name == QLatin1StringView("length") ? &states.length
                      : name == QLatin1StringView("pieces") ? &states.pieces
                      : name == QLatin1StringView("area")   ? &states.area
                                                             : nullptr;
        if (!state) {
            fail(QStringLiteral("no input «%1»").arg(name));
            return std::nullopt;
        }
        *state = true;
    }
    return states;
}

bool KindReader::readKind(const QJsonObject &object)
{
    m_where = QStringLiteral("kind %1").arg(m_description.m_kinds.size() + 1);
    Kind kind{};
    const std::optional<QString> id = text(object, "id");
    if (!id)
        return false;
    for (const Kind &other : std::as_const(m_description.m_kinds))
        if (other.id == *id)
            return fail(QStringLiteral("the identity «%1» is given twice").arg(*id));
    m_where = QStringLiteral("kind «%1»").arg(*id);
    kind.id = *id;
    if (!readPlace(object, kind) || !readRule(object, kind) || !readTexts(object, kind)
        || !readDesignation(object, kind) || !readDrawingsAndMesh(object, kind) || !readSurface(object, kind))
        return false;
    m_description.m_kinds.append(kind);
    return true;
}

bool KindReader::readPlace(const QJsonObject &object, Kind &kind)
{
    const std::optional<int> toolbar = number(object, "group");
    const std::optional<int> button = number(object, "button", 0);
    const std::optional<int> width = number(object, "columnWidth");
    const std::optional<QString> answer = text(object, "pipeAnswer", false);
    if (!toolbar || !button || !width || !answer)
        return false;
    const Group *group = nullptr;
    for (const Group &each : std::as_const(m_description.m_groups))
        if (each.toolbar == *toolbar)
            group = &each;
    if (!group)
        return fail(QStringLiteral("no group %1").arg(*toolbar));
    if (*button < 0 || *button > group->buttons.size())
        return fail(QStringLiteral("no button %1 on toolbar %2").arg(*button).arg(*toolbar));
    kind.toolbar = *toolbar;
    kind.button = *button;
    kind.columnWidth = *width;
    kind.answer = PipeAnswer::Any;
    if (!answer->isEmpty()) {
        const std::optional<PipeAnswer> known = named(Answers, *answer);
        if (!known)
            return fail(QStringLiteral("no pipe answer «%1»").arg(*answer));
        kind.answer = *known;
    }
    const QJsonValue inputs = object.value(QStringLiteral("inputs"));
    const std::optional<InputStates> states = inputs.isUndefined() ? group->inputs : readInputs(inputs);
    if (!states)
        return false;
    kind.inputs = *states;
    return true;
}

bool KindReader::readRule(const QJsonObject &object, Kind &kind)
{
    const std::optional<QString> rule = text(object, "rule");
    const std::optional<int> divisor = number(object, "unitMassDivisor", 1);
    if (!rule || !divisor)
        return false;
    const std::optional<CalcModeCode> mode = named(Rules, *rule);
    if (!mode)
        return fail(QStringLiteral("no rule «%1»").arg(*rule));
    kind.calcMode = *mode;
    kind.unitMassDivisor = int16_t(*divisor);
    // The unit mass comes from a column of the row, or from a source of its own.
    if (object.contains(QStringLiteral("massSource"))) {
        const std::optional<QString> source = text(object, "massSource");
        const std::optional<MassSource> known = source ? named(MassSources, *source) : std::nullopt;
        if (!known)
            return source ? fail(QStringLiteral("no mass source «%1»").arg(*source)) : false;
        kind.massColumn = code(*known);
    } else {
        const std::optional<int> column = number(object, "massColumn");
        if (!column || *column < 0)
            return column ? fail(QStringLiteral("«massColumn» must not be negative")) : false;
        kind.massColumn = int16_t(*column);
    }
    const QJsonValue unitMass = object.value(QStringLiteral("unitMass"));
    if (unitMass.isDouble())
        kind.unitMass = float(unitMass.toDouble());
    else if (!unitMass.isUndefined())
        return fail(QStringLiteral("«unitMass» must be a figure"));
    return true;
}

bool KindReader::readTexts(const QJsonObject &object, Kind &kind)
{
    const std::optional<QString> title = text(object, "title");
    const std::optional<QString> standard = text(object, "standard");
    const std::optional<QString> picture = text(object, "picture");
    const std::optional<QString> source = text(object, "source");
    if (!title || !standard || !picture || !source)
        return false;
    kind.title = m_description.keep(*title);
    kind.standard = m_description.keep(*standard);
    kind.pictureFile = m_description.keep(*picture);
    kind.recordSource = m_description.keep(*source);
    return true;
}

bool KindReader::readDesignation(const QJsonObject &object, Kind &kind)
{
    const QJsonObject designation = object.value(QStringLiteral("designation")).toObject();
    const std::optional<QString> size = text(designation, "size");
    const std::optional<QString> standard = text(designation, "standard", false);
    const std::optional<int> lastRow = number(designation, "standardLastRow", -1);
    const std::optional<QString> after = text(designation, "standardAfter", false);
    const std::optional<QString> former = text(designation, "formerSize", false);
    if (!size || !standard || !lastRow || !after || !former)
        return false;
    kind.designation = {m_description.keep(*size), m_description.keep(*standard), *lastRow,
                        m_description.keep(*after), m_description.keep(*former)};
    return readSpecEntry(object, kind);
}

// Where the technical specification of metal counts the kind, and its name there.
bool KindReader::readSpecEntry(const QJsonObject &object, Kind &kind)
{
    const QJsonObject entry = object.value(QStringLiteral("spec")).toObject();
    const std::optional<QString> specClass = text(entry, "class");
    const std::optional<QString> name = text(entry, "name");
    const std::optional<QString> propertyClass = text(entry, "propertyClass", false);
    if (!specClass || !name || !propertyClass)
        return false;
    const std::optional<SpecClass> known = named(SpecClasses, *specClass);
    if (!known)
        return fail(QStringLiteral("no class «%1» in the technical specification of metal").arg(*specClass));
    kind.spec = {*known, m_description.keep(*name), m_description.keep(*propertyClass)};
    return true;
}

bool KindReader::readDrawingsAndMesh(const QJsonObject &object, Kind &kind)
{
    if (object.contains(QStringLiteral("drawings"))) {
        const QJsonObject drawings = object.value(QStringLiteral("drawings")).toObject();
        const std::optional<int> lastRow = number(drawings, "lastRowOfFirst");
        const std::optional<QString> first = text(drawings, "first");
        const std::optional<QString> second = text(drawings, "second");
        if (!lastRow || !first || !second)
            return false;
        kind.drawings = {*lastRow, m_description.keep(*first), m_description.keep(*second)};
    }
    if (!object.contains(QStringLiteral("mesh")))
        return true;
    const QJsonObject mesh = object.value(QStringLiteral("mesh")).toObject();
    const std::optional<QString> form = text(mesh, "form");
    const std::optional<int> lastRow = number(mesh, "lastRow");
    if (!form || !lastRow)
        return false;
    const std::optional<MeshForm> known = named(MeshForms, *form);
    if (!known)
        return fail(QStringLiteral("no mesh form «%1»").arg(*form));
    QList<float> masses;
    for (const QJsonValue mass : mesh.value(QStringLiteral("rollMasses")).toArray())
        masses.append(float(mass.toDouble()));
    // A welded mesh's rolls have one mass each, every row up to lastRow.
    if (*known == MeshForm::Welded && masses.size() != *lastRow + 1)
        return fail(QStringLiteral("«rollMasses» must give one mass for each row up to %1").arg(*lastRow));
    kind.mesh = {*known, *lastRow, m_description.keep(masses)};
    return true;
}

bool KindReader::readSurface(const QJsonObject &object, Kind &kind)
{
    for (const QJsonValue value : object.value(QStringLiteral("surface")).toArray()) {
        const QJsonObject rule = value.toObject();
        const std::optional<QString> shape = text(rule, "shape");
        const std::optional<int> lastRow = number(rule, "lastRow", -1);
        if (!shape || !lastRow)
            return false;
        const ShapeName *known = nullptr;
        for (const ShapeName &each : Shapes)
            if (*shape == QLatin1StringView(each.name))
                known = &each;
        if (!known)
            return fail(QStringLiteral("no surface shape «%1»").arg(*shape));
        SurfaceRule surface{*lastRow, known->shape, {}};
        for (const QJsonValue column : rule.value(QStringLiteral("columns")).toArray())
            surface.columns.append(column.toInt(-2));
        if (surface.columns.size() != known->dimensions || surface.columns.contains(-2))
            return fail(QStringLiteral("a «%1» takes %2 columns").arg(*shape).arg(known->dimensions));
        kind.surface.append(surface);
    }
    return true;
}

#include "catalogue/catalogue.h"

#include <iterator>

namespace Catalogue {

namespace {

using PA = PipeAnswer;
using CM = CalcModeCode;
using MS = MassSource;

// The woven meshes of ГОСТ 5336-80 (rhombic and square cells) stand up to this row, the woven
// cloth of ГОСТ 3826-82 after it: the rule, the drawing and the standard change there.
constexpr int LastShapedWovenMesh = 46;
// The welded meshes up to this row are rolls whose mass of 1 m² is fixed, one figure a row.
constexpr int LastRollWeldedMesh = 2;
constexpr float RollMeshMasses[LastRollWeldedMesh + 1] = {2.91f, 1.93f, 1.58f};

const char *const ToolTipsT1[] = {"Прокат", "Арматура и сетка", "Крепеж", "Лист"};
const char *const ToolTipsT2[] = {
    "Шпунт Ларсена",
    "Двутавр",
    "Прокат круглый",
    "Квадрат",
    "Рельс",
    "Швеллер гнутый",
    "Швеллер",
    "Уголок неравнобокий",
    "Уголок гнутый неравнобокий",
    "Уголок равнобокий",
    "Уголок гнутый равнобокий",
    "Z-профиль",
    "Труба электросварная",
    "Труба квадратная",
    // The fifteenth button opens the seamless pipes of ГОСТ 8732-78 (the straight-seam pipes
    // are behind the thirteenth), and its tooltip says so.
    "Труба бесшовная",
};
const char *const ToolTipsT3[] = {
    "Проволока общего назначения",
    "Арматура по ГОСТ 5781-82",
    "Арматура А-I",
    "Сетка плетеная",
    "Сетка сварная",
    "Проволока для армирования ж/б конструкций",
};
const char *const ToolTipsT4[] = {
    "Гайка шестигранная (класс точности В)",
    "Дюбель-гвоздь",
    "Шайба",
    "Шайба уплотнительная",
    "Винт самонарезающий с потайной головкой",
    "Винт самонарезающий для металла и пластмассы",
    "Заклепка комбинированная",
    "Болт шестигранный (класс точности В)",
};
const char *const ToolTipsT5[] = {
    "Рифленка",
    "Лист",
};

template<std::size_t N> QStringList toList(const char *const (&texts)[N])
{
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

// The kinds in the order of their buttons.
// identity; toolbar, button, pipe answer, column width, CalcMode, MassColumn,
// UnitMassDivisor, UnitMass; title; standard; picture, record source; the materials list's
// size and standard; the drawings by row; the mesh rule.
const Kind KindTable[] = {
    // Each sheet pile has its own mass of 1 m, in column 5 of its row; one fixed figure (the
    // 113.88 kg of Л5-УМ) would give every other pile a wrong mass.
    {QStringLiteral("sheet-pile"), 2, 1, PA::Any, 1500, CM::ByLength, 5, 1, std::nullopt,
     "Шпунт Ларсена",
     "ТУ 14-2-879-89",
     "spunt.jpg", "шпунт",
     {"{0}", "{7}"}},
    {QStringLiteral("i-beam"), 2, 2, PA::Any, 1200, CM::ByLength, 5, 1, std::nullopt,
     "Двутавр",
     "ГОСТ 8239-89 и ГОСТ 26020-83",
     "dvut1.jpg", "двутавр",
     {"{0}", "{8}"},
     {16, "dvut1.jpg", "dvut2.jpg"}},
    {QStringLiteral("round-bar"), 2, 3, PA::Any, 1300, CM::ByLength, 1, 1, std::nullopt,
     "Прокат стальной горячекатаный круглый по ГОСТ 2590-2006",
     "ГОСТ 2590-2006",
     "krug.jpg", "select [Диаметр, мм], [Масса 1м, кГ] from [Прокат круглый] order by index",
     {"Ø{0}"}},
    {QStringLiteral("square-bar"), 2, 4, PA::Any, 1300, CM::ByLength, 1, 1, std::nullopt,
     "Прокат стальной горячекатаный квадратный ГОСТ 2591-2006",
     "ГОСТ 2591-2006",
     "kvadrat.jpg", "прокат квадратный",
     {"{0}×{0}"}},
    {QStringLiteral("rail"), 2, 5, PA::Any, 1300, CM::ByLength, 2, 1, std::nullopt,
     "Рельсы железнодорожные",
     "ГОСТ 6368-82, ГОСТ 7173-54, ГОСТ Р 51685-2013 и ГОСТ 4121-96",
     "rels1.jpg", "рельс железнодорожный",
     {"{0}", "{1}"},
     {3, "rels1.jpg", "rels2.jpg"}},
    {QStringLiteral("bent-channel"), 2, 6, PA::Any, 1200, CM::ByLength, 3, 1, std::nullopt,
     "Швеллеры стальные гнутые равнополочные ГОСТ 8278-83 таблица 1 и 2",
     "ГОСТ 8278-83",
     "shgn1.jpg", "select [h, мм], [b, мм], [s, мм], [Масса 1м, кг], [ОАО \"ММК\"] from [швеллер гнутый] order by index",
     {"{0}×{1}×{2}"}},
    {QStringLiteral("channel"), 2, 7, PA::Any, 1200, CM::ByLength, 5, 1, std::nullopt,
     "Швеллер ГОСТ 8240-97",
     "ГОСТ 8240-97",
     "sh1.jpg", "швеллер",
     {"{0}", "{9}"},
     {17, "sh1.jpg", "sh2.jpg"}},
    {QStringLiteral("unequal-angle"), 2, 8, PA::Any, 1200, CM::ByLength, 3, 1, std::nullopt,
     "Уголок неравнобокий ГОСТ 8510-86",
     "ГОСТ 8510-86",
     "ugol1.jpg", "уголок1",
     {"{0}×{1}×{2}"}},
    {QStringLiteral("bent-unequal-angle"), 2, 9, PA::Any, 1200, CM::ByLength, 3, 1, std::nullopt,
     "Уголки стальные гнутые неравнополочные ГОСТ 19772-93 таблица 1",
     "ГОСТ 19772-93",
     "ugolgn1.jpg", "уголок гнутый1",
     {"{0}×{1}×{2}"}},
    {QStringLiteral("equal-angle"), 2, 10, PA::Any, 1200, CM::ByLength, 2, 1, std::nullopt,
     "Уголок равнобокий ГОСТ 8509-93",
     "ГОСТ 8509-93",
     "ugol2.jpg", "уголок",
     {"{0}×{1}"}},
    {QStringLiteral("bent-equal-angle"), 2, 11, PA::Any, 1200, CM::ByLength, 2, 1, std::nullopt,
     "Уголки стальные гнутые равнополочные ГОСТ 19771-93",
     "ГОСТ 19771-93",
     "ugolgn2.jpg", "уголок гнутый",
     {"{0}×{1}, R {4}"}},
    {QStringLiteral("z-section"), 2, 12, PA::Any, 1300, CM::ByLength, 4, 1, std::nullopt,
     "Профили стальные гнутые зетовые",
     "ГОСТ 13229-78",
     "z.jpg", "z профиль",
     {"{0}×{1}×{2}×{3}"}},
    {QStringLiteral("welded-pipe"), 2, 13, PA::No, 2200, CM::ByLength, 2, 1, std::nullopt,
     "Трубы стальные электросварные прямошовные ГОСТ 10704-91",
     "ГОСТ 10704-91",
     "morvex.jpg", "трубы",
     {"{0}×{1}"}},
    {QStringLiteral("stainless-pipe"), 2, 13, PA::Yes, 2500, CM::ByLength, code(MS::Pipe), 1, std::nullopt,
     "Трубы электросварные из коррозийно-стойкой стали ГОСТ 11068-81",
     "ГОСТ 11068-81",
     "morvex.jpg", "трубы из нерж",
     {"{0}×{1}"}},
    {QStringLiteral("square-pipe"), 2, 14, PA::Any, 2200, CM::ByLength, 2, 1, std::nullopt,
     "Труба квадратная ГОСТ 8639-82",
     "ГОСТ 8639-82",
     "truba.jpg", "Труба квадратная",
     {"{0}×{0}×{1}"}},
    {QStringLiteral("seamless-pipe"), 2, 15, PA::Any, 2200, CM::ByLength, 2, 1, std::nullopt,
     "Трубы стальные бесшовные горячедеформированные ГОСТ 8732-78",
     "ГОСТ 8732-78",
     "morvex.jpg", "трубы бесшовные",
     {"{0}×{1}"}},
    {QStringLiteral("general-wire"), 3, 1, PA::Any, 3000, CM::ByLength, code(MS::Wire), 1, std::nullopt,
     "Проволока общего назначения по ГОСТ 3282-74",
     "ГОСТ 3282-74",
     "morvex.jpg", "Провол",
     {"Ø{0}"}},
    {QStringLiteral("rebar"), 3, 2, PA::Any, 2600, CM::ByLength, 2, 1, std::nullopt,
     "Арматура по ГОСТ 5781-82",
     "ГОСТ 5781-82",
     "arm.jpg", "арматура",
     {"Ø{0}"}},
    // Class A-I (A240) bars have the nominal masses of every bar of ГОСТ 5781-82, so the kind
    // reads the same table; which diameters the class is rolled in is not in the base.
    {QStringLiteral("rebar-a1"), 3, 3, PA::Any, 2600, CM::ByLength, 2, 1, std::nullopt,
     "Арматура класса А-I (А240) ГОСТ 5781-82",
     "ГОСТ 5781-82",
     "arma1.jpg", "арматура",
     {"Ø{0}"}},
    {QStringLiteral("woven-mesh"), 3, 4, PA::Any, 2000, CM::PerArea, 3, 1, std::nullopt,
     "Сетки стальные плетеные и тканые",
     "ГОСТ 5336-80 и ГОСТ 3826-82",
     "s1.jpg", "Сетка плетеная",
     {"{0}-{1}", "ГОСТ 5336-80", LastShapedWovenMesh, "ГОСТ 3826-82"},
     {LastShapedWovenMesh, "s1.jpg", "s2.jpg"}, {MeshForm::Woven, LastShapedWovenMesh}},
    {QStringLiteral("welded-mesh"), 3, 5, PA::Any, 1500, CM::PerArea, code(MS::WeldedMesh), 1, 2.91f,
     "Сетки сварные",
     "ГОСТ 8478-81 и ГОСТ 23279-85",
     "ss1.jpg", "Сетка сварная",
     {"{0}", "{1}"},
     {LastRollWeldedMesh, "ss1.jpg", "ss2.jpg"}, {MeshForm::Welded, LastRollWeldedMesh, RollMeshMasses}},
    {QStringLiteral("reinforcing-wire"), 3, 6, PA::Any, 1500, CM::ByLength, 1, 1, std::nullopt,
     "Проволока для армирования ж/б конструкций по ГОСТ 6727-80",
     "ГОСТ 6727-80",
     "prov1.jpg", "Проволока",
     {"Ø{0}"}},
    {QStringLiteral("hex-nut"), 4, 1, PA::Any, 1500, CM::PerPiece, 1, 1000, std::nullopt,
     "Гайки шестигранные класса точности В (нормальной)  ГОСТ 5915-70",
     "ГОСТ 5915-70",
     "gay.jpg", "Гайки В",
     {"М{0}"}},
    {QStringLiteral("nail-dowel"), 4, 2, PA::Any, 1800, CM::PerPiece, 2, 1000, std::nullopt,
     "Дюбели-гвозди с насаженными шайбами ТУ 14-4-1231-83",
     "ТУ 14-4-1231-83",
     "morvex.jpg", "дюбели-гвозди",
     {"{0}×{1}"}},
    {QStringLiteral("washer"), 4, 3, PA::Any, 2000, CM::PerPiece, 3, 1000, std::nullopt,
     "Шайбы  ГОСТ 11371-78",
     "ГОСТ 11371-78",
     "shay.jpg", "Шайбы",
     {"{0}"}},
    {QStringLiteral("sealing-washer"), 4, 4, PA::Any, 2200, CM::PerPiece, 3, 1000, std::nullopt,
     "Шайба уплотнительная ШУ-6К ТУ 36-2624-84",
     "ТУ 36-2624-84",
     "morvex.jpg", "шайба уплотнительная ШУ-6К",
     {"{0}"}},
    {QStringLiteral("countersunk-screw"), 4, 5, PA::Any, 2000, CM::PerPiece, 2, 1000, std::nullopt,
     "Винты самонарезающие с потайной головкой ГОСТ 10619-80*",
     "ГОСТ 10619-80",
     "vint2.jpg", "винты самонарезающие",
     {"{0}×{1}", "{3}"}},
    {QStringLiteral("self-tapping-screw"), 4, 6, PA::Any, 2000, CM::PerPiece, 2, 1000, std::nullopt,
     "Винты самонарезающие для металла и пластмассы ГОСТ 10618-80*",
     "ГОСТ 10618-80",
     "vint1.jpg", "винты самонарезающие",
     {"{0}×{1}", "{3}"}},
    {QStringLiteral("rivet"), 4, 7, PA::Any, 2900, CM::PerPiece, 5, 1000, std::nullopt,
     "Заклепки комбинированные ТУ 36-2088-85",
     "ТУ 36-2088-85",
     "morvex.jpg", "заклепки комбинированные",
     {"{1}×{2}"}},
    {QStringLiteral("hex-bolt"), 4, 8, PA::Any, 1800, CM::PerPiece, 2, 1000, std::nullopt,
     "Болты с шестигранной головкой класса точности В  ГОСТ 7798-70",
     "ГОСТ 7798-70",
     "bolt.jpg", "select * from [Болты В] order by [Диаметр резьбы, мм], [Длина болта, мм]",
     {"М{0}×{1}"}},
    {QStringLiteral("ribbed-sheet"), 5, 1, PA::Any, 1500, CM::RibbedSheet, 4, 1, std::nullopt,
     "Лист с рифлением ГОСТ 8568-77",
     "ГОСТ 8568-77",
     "r1.jpg", "лист рифленный",
     {"{0} мм, {1}"},
     {7, "r1.jpg", "r2.jpg"}},
    {QStringLiteral("sheet"), 5, 2, PA::Any, 1500, CM::SmoothSheet, 0, 1, std::nullopt,
     "Сталь листовая горячекатанная",
     "ГОСТ 19903-74",
     "morvex.jpg", "select [Толщина а, мм], [МАХ ширина листа b, мм], [МАХ длина листа, мм], ГОСТ from [лист гладкий] order by index",
     {"{0} мм", "ГОСТ {3}"}},
};

} // namespace

const QList<Kind> &kinds()
{
    static const QList<Kind> table(std::begin(KindTable), std::end(KindTable));
    return table;
}

const Kind *find(const QString &id)
{
    for (const Kind &kind : kinds())
        if (kind.id == id)
            return &kind;
    return nullptr;
}

std::optional<Kind> find(int toolbar, int button, PipeAnswer answer)
{
    for (const Kind &kind : kinds())
        if (kind.toolbar == toolbar && kind.button == button
            && (kind.answer == PipeAnswer::Any || kind.answer == answer))
            return kind;
    return std::nullopt;
}

QStringList toolTips(int toolbar)
{
    switch (toolbar) {
    case 1: return toList(ToolTipsT1);
    case 2: return toList(ToolTipsT2);
    case 3: return toList(ToolTipsT3);
    case 4: return toList(ToolTipsT4);
    case 5: return toList(ToolTipsT5);
    default: return {};
    }
}

InputStates groupInputs(int toolbar)
{
    switch (toolbar) {
    case 4: return {false, false, true, false}; // fasteners: pieces only
    case 5: return {true, true, true, false};   // sheet: width, length, pieces
    default: return {false, true, true, false}; // rolled products, reinforcement and mesh
    }
}

InputStates meshInputs()
{
    return {false, false, false, true};
}

InputStates inputsOf(const Kind &kind)
{
    return kind.mesh.form == MeshForm::None ? groupInputs(kind.toolbar) : meshInputs();
}

bool asksPipeQuestion(int toolbar, int button)
{
    return toolbar == PipeToolbar && button == PipeButton;
}

} // namespace Catalogue

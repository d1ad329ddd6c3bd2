#include "catalogue/catalogue.h"

namespace Catalogue {

namespace {

using PA = PipeAnswer;

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

} // namespace

const QList<Kind> &kinds()
{
    // toolbar, button, pipe answer, column width, CalcMode, MassColumn, UnitMassDivisor,
    // UnitMass; title; standard; picture, record source; inputs, cell-shape options.
    static const QList<Kind> table{
    // Each sheet pile has its own mass of 1 m, in column 5 of its row; one fixed figure (the
    // 113.88 kg of Л5-УМ) would give every other pile a wrong mass.
    {2, 1, PA::Any, 1500, 0, 5, 1, std::nullopt,
     "Шпунт Ларсена",
     "ТУ 14-2-879-89",
     "spunt.jpg", "шпунт"},
    {2, 2, PA::Any, 1200, 0, 5, 1, std::nullopt,
     "Двутавр",
     "ГОСТ 8239-89 и ГОСТ 26020-83",
     "dvut1.jpg", "двутавр"},
    {2, 3, PA::Any, 1300, 0, 1, 1, std::nullopt,
     "Прокат стальной горячекатаный круглый по ГОСТ 2590-2006",
     "ГОСТ 2590-2006",
     "krug.jpg", "select [Диаметр, мм], [Масса 1м, кГ] from [Прокат круглый] order by index"},
    {2, 4, PA::Any, 1300, 0, 1, 1, std::nullopt,
     "Прокат стальной горячекатаный квадратный ГОСТ 2591-2006",
     "ГОСТ 2591-2006",
     "kvadrat.jpg", "прокат квадратный"},
    {2, 5, PA::Any, 1300, 0, 2, 1, std::nullopt,
     "Рельсы железнодорожные",
     "ГОСТ 6368-82, ГОСТ 7173-54, ГОСТ Р 51685-2013 и ГОСТ 4121-96",
     "rels1.jpg", "рельс железнодорожный"},
    {2, 6, PA::Any, 1200, 0, 3, 1, std::nullopt,
     "Швеллеры стальные гнутые равнополочные ГОСТ 8278-83 таблица 1 и 2",
     "ГОСТ 8278-83",
     "shgn1.jpg", "select [h, мм], [b, мм], [s, мм], [Масса 1м, кг], [ОАО \"ММК\"] from [швеллер гнутый] order by index"},
    {2, 7, PA::Any, 1200, 0, 5, 1, std::nullopt,
     "Швеллер ГОСТ 8240-97",
     "ГОСТ 8240-97",
     "sh1.jpg", "швеллер"},
    {2, 8, PA::Any, 1200, 0, 3, 1, std::nullopt,
     "Уголок неравнобокий ГОСТ 8510-86",
     "ГОСТ 8510-86",
     "ugol1.jpg", "уголок1"},
    {2, 9, PA::Any, 1200, 0, 3, 1, std::nullopt,
     "Уголки стальные гнутые неравнополочные ГОСТ 19772-93 таблица 1",
     "ГОСТ 19772-93",
     "ugolgn1.jpg", "уголок гнутый1"},
    {2, 10, PA::Any, 1200, 0, 2, 1, std::nullopt,
     "Уголок равнобокий ГОСТ 8509-93",
     "ГОСТ 8509-93",
     "ugol2.jpg", "уголок"},
    {2, 11, PA::Any, 1200, 0, 2, 1, std::nullopt,
     "Уголки стальные гнутые равнополочные ГОСТ 19771-93",
     "ГОСТ 19771-93",
     "ugolgn2.jpg", "уголок гнутый"},
    {2, 12, PA::Any, 1300, 0, 4, 1, std::nullopt,
     "Профили стальные гнутые зетовые",
     "ГОСТ 13229-78",
     "z.jpg", "z профиль"},
    {2, 13, PA::No, 2200, 0, 2, 1, std::nullopt,
     "Трубы стальные электросварные прямошовные ГОСТ 10704-91",
     "ГОСТ 10704-91",
     "morvex.jpg", "трубы"},
    {2, 13, PA::Yes, 2500, 0, -2, 1, std::nullopt,
     "Трубы электросварные из коррозийно-стойкой стали ГОСТ 11068-81",
     "ГОСТ 11068-81",
     "morvex.jpg", "трубы из нерж"},
    {2, 14, PA::Any, 2200, 0, 2, 1, std::nullopt,
     "Труба квадратная ГОСТ 8639-82",
     "ГОСТ 8639-82",
     "truba.jpg", "Труба квадратная"},
    {2, 15, PA::Any, 2200, 0, 2, 1, std::nullopt,
     "Трубы стальные бесшовные горячедеформированные ГОСТ 8732-78",
     "ГОСТ 8732-78",
     "morvex.jpg", "трубы бесшовные"},
    {3, 1, PA::Any, 3000, 0, -3, 1, std::nullopt,
     "Проволока общего назначения по ГОСТ 3282-74",
     "ГОСТ 3282-74",
     "morvex.jpg", "Провол"},
    {3, 2, PA::Any, 2600, 0, 2, 1, std::nullopt,
     "Арматура по ГОСТ 5781-82",
     "ГОСТ 5781-82",
     "arm.jpg", "арматура"},
    // Class A-I (A240) bars have the nominal masses of every bar of ГОСТ 5781-82, so the kind
    // reads the same table; which diameters the class is rolled in is not in the base.
    {3, 3, PA::Any, 2600, 0, 2, 1, std::nullopt,
     "Арматура класса А-I (А240) ГОСТ 5781-82",
     "ГОСТ 5781-82",
     "arma1.jpg", "арматура"},
    {3, 4, PA::Any, 2000, 2, 3, 1, std::nullopt,
     "Сетки стальные плетеные и тканые",
     "ГОСТ 5336-80 и ГОСТ 3826-82",
     "s1.jpg", "Сетка плетеная", Inputs::Mesh, true},
    {3, 5, PA::Any, 1500, 2, -4, 1, 2.91f,
     "Сетки сварные",
     "ГОСТ 8478-81 и ГОСТ 23279-85",
     "ss1.jpg", "Сетка сварная", Inputs::Mesh, false},
    {3, 6, PA::Any, 1500, 0, 1, 1, std::nullopt,
     "Проволока для армирования ж/б конструкций по ГОСТ 6727-80",
     "ГОСТ 6727-80",
     "prov1.jpg", "Проволока"},
    {4, 1, PA::Any, 1500, 1, 1, 1000, std::nullopt,
     "Гайки шестигранные класса точности В (нормальной)  ГОСТ 5915-70",
     "ГОСТ 5915-70",
     "gay.jpg", "Гайки В"},
    {4, 2, PA::Any, 1800, 1, 2, 1000, std::nullopt,
     "Дюбели-гвозди с насаженными шайбами ТУ 14-4-1231-83",
     "ТУ 14-4-1231-83",
     "morvex.jpg", "дюбели-гвозди"},
    {4, 3, PA::Any, 2000, 1, 3, 1000, std::nullopt,
     "Шайбы  ГОСТ 11371-78",
     "ГОСТ 11371-78",
     "shay.jpg", "Шайбы"},
    {4, 4, PA::Any, 2200, 1, 3, 1000, std::nullopt,
     "Шайба уплотнительная ШУ-6К ТУ 36-2624-84",
     "ТУ 36-2624-84",
     "morvex.jpg", "шайба уплотнительная ШУ-6К"},
    {4, 5, PA::Any, 2000, 1, 2, 1000, std::nullopt,
     "Винты самонарезающие с потайной головкой ГОСТ 10619-80*",
     "ГОСТ 10619-80",
     "vint2.jpg", "винты самонарезающие"},
    {4, 6, PA::Any, 2000, 1, 2, 1000, std::nullopt,
     "Винты самонарезающие для металла и пластмассы ГОСТ 10618-80*",
     "ГОСТ 10618-80",
     "vint1.jpg", "винты самонарезающие"},
    {4, 7, PA::Any, 2900, 1, 5, 1000, std::nullopt,
     "Заклепки комбинированные ТУ 36-2088-85",
     "ТУ 36-2088-85",
     "morvex.jpg", "заклепки комбинированные"},
    {4, 8, PA::Any, 1800, 1, 2, 1000, std::nullopt,
     "Болты с шестигранной головкой класса точности В  ГОСТ 7798-70",
     "ГОСТ 7798-70",
     "bolt.jpg", "select * from [Болты В] order by [Диаметр резьбы, мм], [Длина болта, мм]"},
    {5, 1, PA::Any, 1500, 4, 4, 1, std::nullopt,
     "Лист с рифлением ГОСТ 8568-77",
     "ГОСТ 8568-77",
     "r1.jpg", "лист рифленный"},
    {5, 2, PA::Any, 1500, 3, 0, 1, std::nullopt,
     "Сталь листовая горячекатанная",
     "ГОСТ 19903-74",
     "morvex.jpg", "select [Толщина а, мм], [МАХ ширина листа b, мм], [МАХ длина листа, мм], ГОСТ from [лист гладкий] order by index"},
    };
    return table;
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

} // namespace Catalogue

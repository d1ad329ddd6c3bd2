#pragma once

#include "basefixture.h"

#include <QList>

// A platform's list as a designer makes it on the built base: 4 columns 20Б1 of 4,2 m, 6 beams
// 16П of 6 m, 20 bracing angles 63×5 of 1,2 m, 24 bolts М16×60 with their nuts and washers,
// and two floor sheets -8×1500×3000. Masses worked by hand from the tables:
//   20Б1   22,4 kg/m × 4,2 m × 4  = 376,32 kg  (С255, Колонны)
//   16П    14,2 kg/m × 6 m × 6    = 511,2 kg   (С255, Балки)
//   63×5   4,81 kg/m × 1,2 m × 20 = 115,44 kg  (С245, Связи)
//   -8     8 mm × 1,5 m × 3 m × 7,85 t/m³ × 2 = 565,2 kg (С255, Площадки)
//   bolts  24 × 0,129 kg = 3,096 kg; nuts 24 × 0,038 = 0,912 kg; washers 24 × 0,011 = 0,264 kg
inline QList<BomItem> platformList(BaseFixture &base)
{
    const auto item = [&base](int toolbar, int button, const QStringList &leading, CalcInputs inputs,
                              const char *grade, const char *group) {
        const Catalogue::Kind kind = BaseFixture::kind(toolbar, button);
        const int row = base.find(kind, leading);
        const std::optional<CalcState> state = stateFor(kind, row, base.cells(kind, row), ProductOption::None);
        const std::optional<BomItem> made = makeItem({kind, row, base.cells(kind, row), state.value(), inputs,
                                                      ProductOption::None, QString::fromUtf8(grade),
                                                      QString::fromUtf8(group)});
        if (!made)
            qFatal("no item %s", qPrintable(leading.join(QLatin1Char(','))));
        return *made;
    };
    return {item(2, 2, {"20Б1"}, {0, 4200, 4, 0}, "С255", "Колонны"),
            item(2, 7, {"16П"}, {0, 6000, 6, 0}, "С255", "Балки"),
            item(2, 10, {"63", "5"}, {0, 1200, 20, 0}, "С245", "Связи"),
            item(4, 8, {"16", "60"}, {0, 0, 24, 0}, "", ""),
            item(4, 1, {"16"}, {0, 0, 24, 0}, "", ""),
            item(4, 3, {"16"}, {0, 0, 24, 0}, "", ""),
            item(5, 2, {"8.0"}, {1500, 3000, 2, 0}, "С255", "Площадки")};
}

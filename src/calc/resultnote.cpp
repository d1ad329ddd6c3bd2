#include "calc/resultnote.h"

std::optional<ResultNote> ResultNote::of(CalcOutcome::Kind kind)
{
    switch (kind) {
    case CalcOutcome::Kind::NoMass:
        return ResultNote{QStringLiteral("нет массы"),
                          QStringLiteral("Масса не вычислена: нет массы в выбранной строке таблицы")};
    case CalcOutcome::Kind::ArithmeticError:
        return ResultNote{QStringLiteral("переполнение"),
                          QStringLiteral("Масса не вычислена: переполнение, число слишком велико")};
    case CalcOutcome::Kind::DivisionByZero:
        return ResultNote{QStringLiteral("деление на ноль"),
                          QStringLiteral("Масса не вычислена: деление на ноль, в выбранной строке "
                                         "таблицы шаг ячейки равен 0")};
    case CalcOutcome::Kind::NoRow:
        return ResultNote{QStringLiteral("нет размера"),
                          QStringLiteral("Масса не вычислена: в таблице не выбран размер")};
    case CalcOutcome::Kind::NegativeInput:
        return ResultNote{QStringLiteral("меньше нуля"),
                          QStringLiteral("Масса не вычислена: длина, ширина, количество или площадь "
                                         "меньше нуля")};
    case CalcOutcome::Kind::Results:
    case CalcOutcome::Kind::NoChange:
        break;
    }
    return std::nullopt;
}

#include "catalogue/panelnotes.h"

namespace PanelNotes {

QString startHint()
{
    return QStringLiteral("Выберите тип изделия, а затем изделие в списке изделий: "
                          "здесь появится таблица его размеров.");
}

QString groupHint()
{
    return QStringLiteral("Выберите изделие в списке изделий: здесь появится таблица его размеров.");
}

QString emptyTable(const QString &standard)
{
    return QStringLiteral("В базе пока нет размеров по %1. Свои размеры можно добавить: "
                          "правой кнопкой мыши на таблице — «Добавить размер…» или клавиша Insert.")
        .arg(standard);
}

QString noteFor(Stage stage, const QString &standard, int rowCount)
{
    switch (stage) {
    case Stage::Start: return startHint();
    case Stage::Group: return groupHint();
    case Stage::Kind: return rowCount > 0 ? QString() : emptyTable(standard);
    }
    return QString();
}

} // namespace PanelNotes

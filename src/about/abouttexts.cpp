#include "about/abouttexts.h"

#include "platform/maker.h"

#include <algorithm>
#include <array>

namespace AboutTexts {

namespace {

// Codes 0x80..0xFF of Windows-1251 (0x98 has no character; it stands for itself).
constexpr std::array<char16_t, 64> Upper1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

QString repeated(const QString &piece, int times)
{
    return piece.repeated(times);
}

} // namespace

int windows1251Code(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u;
    if (u >= 0x0410 && u <= 0x044F)
        return 0xC0 + (u - 0x0410);
    const auto it = std::find(Upper1251.begin(), Upper1251.end(), u);
    if (it != Upper1251.end())
        return 0x80 + int(it - Upper1251.begin());
    return '?';
}

QChar fromWindows1251(int code)
{
    if (code < 0x80)
        return QChar(char16_t(code));
    if (code >= 0xC0)
        return QChar(char16_t(0x0410 + (code - 0xC0)));
    return QChar(Upper1251[std::size_t(code - 0x80)]);
}

std::optional<QString> UnscrambleText(const QString &literal)
{
    QString result;
    for (int16_t i = 1; i <= literal.size(); ++i) {
        int16_t c = int16_t(windows1251Code(literal.at(i - 1)));
        switch (c) {
        case 31: case 33: case 47: case 49: case 57: case 70: case 72: case 78: case 79: case 81:
            c = int16_t(c + 1);
            break;
        default:
            c = int16_t(c + i);
        }
        if (c < 0 || c > 255)
            return std::nullopt;
        result.append(fromWindows1251(c));
    }
    return result;
}

QString notice()
{
    return repeated(QStringLiteral(" ."), 44) + QLatin1Char(' ')
           + QStringLiteral("В с е  з а я в к и, з а м е ч а н и я, п о ж е л а н и я  н а п р а в л я й т е  "
                            "н а  э л е к т р о н н ы й  а д р е с  ")
           + QString::fromLatin1(Maker::Email) + repeated(QStringLiteral(". "), 48) + QLatin1Char('.');
}

QString informationText()
{
    return QStringLiteral("Калькулятор массы металлопроката, арматурных изделий") + QStringLiteral(". Версия 2.0. На сайте ")
           + QString::fromLatin1(Maker::SiteHost)
           + QStringLiteral(" вы сможете найти много программ для строителей-проектировщиков");
}

QString upperDottedLine()
{
    return repeated(QStringLiteral(" ."), 192);
}

QString lowerDottedLine()
{
    return repeated(QStringLiteral(" ."), 149);
}

} // namespace AboutTexts

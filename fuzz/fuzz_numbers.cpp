// libFuzzer target: the lenient number reading of the inputs and the result formatting.
// Whatever is typed, reading never fails and never gives NaN, and a finite value written with
// three decimals reads back within half of the last decimal.

#include "calc/formatmass.h"
#include "calc/readnumber.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = ReadInputNumber(text);
    if (std::isnan(value) || std::isnan(ReadNumber(text)))
        std::abort();
    if (!std::isfinite(value))
        return 0;
    static const QLocale russian(QLocale::Russian, QLocale::Russia);
    for (const char *pattern : {"0.0", "0.0#", "0.0##"}) {
        const QString written = FormatMass(value, QString::fromLatin1(pattern), russian);
        if (written.isEmpty() || written.contains(QChar(0x00A0)) || written.contains(QLatin1Char(' ')))
            std::abort();
        FormatMass(value, QString::fromLatin1(pattern), QLocale::c());
    }
    const double back = ReadInputNumber(FormatMass(value, QStringLiteral("0.0##"), russian));
    if (std::fabs(back - value) > 0.0005 + std::fabs(value) * 1e-13)
        std::abort();
    return 0;
}

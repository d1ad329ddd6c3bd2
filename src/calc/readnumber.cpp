#include "calc/readnumber.h"

#include <QByteArray>

#include <charconv>
#include <limits>

namespace {

bool isDroppedBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
           || c == QLatin1Char('\r');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The power of ten of the leading digit of an unsigned number text "digits[.digits][e[sign]digits]",
// plus one: 3 for 123.4, 0 for 0.5, -1 for 0.05. Only its sign matters, so a huge exponent is
// capped.
long long decimalMagnitude(const QByteArray &text)
{
    const qsizetype e = text.indexOf('e');
    const QByteArray mantissa = e < 0 ? text : text.left(e);
    QByteArray exponent = e < 0 ? QByteArray() : text.mid(e + 1);
    const bool negativeExponent = exponent.startsWith('-');
    if (exponent.startsWith('-') || exponent.startsWith('+'))
        exponent.remove(0, 1);
    while (exponent.startsWith('0'))
        exponent.remove(0, 1);
    const long long exponentValue = exponent.size() > 9 ? 1000000000LL : exponent.toLongLong();

    qsizetype point = mantissa.indexOf('.');
    if (point < 0)
        point = mantissa.size();
    qsizetype first = 0;
    while (first < mantissa.size() && (mantissa.at(first) == '0' || mantissa.at(first) == '.'))
        ++first;
    const long long leading = first < point ? point - first : point - first + 1;
    return leading + (negativeExponent ? -exponentValue : exponentValue);
}

// Reads a number already cut to [sign] digits [. digits] [e [sign] digits], independently of
// the process locale. Too large gives an infinity, too small gives 0.
double parseCNumber(const QByteArray &number)
{
    const char *begin = number.constData();
    const char *end = begin + number.size();
    bool negative = false;
    if (begin < end && (*begin == '+' || *begin == '-')) {
        negative = *begin == '-';
        ++begin; // from_chars takes no plus sign
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    Q_UNUSED(ptr);
    if (ec == std::errc::result_out_of_range)
        value = decimalMagnitude(QByteArray(begin, end - begin)) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    return negative ? -value : value;
}

} // namespace

double ReadNumber(const QString &text)
{
    return ReadLeadingNumber(text).value_or(0.0);
}

std::optional<double> ReadLeadingNumber(const QString &text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text)
        if (!isDroppedBlank(c))
            compact.append(c);

    // Collect the leading number in the C locale's notation for strtod.
    QByteArray number;
    qsizetype i = 0;
    const qsizetype n = compact.size();
    if (i < n && (compact.at(i) == QLatin1Char('+') || compact.at(i) == QLatin1Char('-')))
        number.append(char(compact.at(i++).unicode()));
    bool anyDigit = false;
    while (i < n && isDigit(compact.at(i))) {
        number.append(char(compact.at(i++).unicode()));
        anyDigit = true;
    }
    if (i < n && compact.at(i) == QLatin1Char('.')) {
        number.append('.');
        ++i;
        while (i < n && isDigit(compact.at(i))) {
            number.append(char(compact.at(i++).unicode()));
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < n && QStringLiteral("EeDd").contains(compact.at(i))) {
        qsizetype j = i + 1;
        QByteArray exponent("e");
        if (j < n && (compact.at(j) == QLatin1Char('+') || compact.at(j) == QLatin1Char('-')))
            exponent.append(char(compact.at(j++).unicode()));
        const qsizetype digitsStart = j;
        while (j < n && isDigit(compact.at(j)))
            exponent.append(char(compact.at(j++).unicode()));
        if (j > digitsStart)
            number.append(exponent);
    }
    return parseCNumber(number);
}

double ReadInputNumber(const QString &text)
{
    QString withPoint = text;
    const qsizetype comma = withPoint.indexOf(QLatin1Char(','));
    if (comma >= 0)
        withPoint[comma] = QLatin1Char('.');
    return ReadNumber(withPoint);
}

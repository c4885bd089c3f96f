#include "number_text.h"

#include "text_primitives.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace {

// The digits of a number that is neither zero nor NaN (both are written "0"); an infinity is
// written as the largest finite magnitude.
std::string digitsOf(double value, std::chars_format format, int precision)
{
    if (std::isinf(value))
        value = value > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

bool writtenAsZero(double value)
{
    return value == 0.0 || std::isnan(value);
}

} // namespace

QString numberText(double value)
{
    if (writtenAsZero(value))
        return QStringLiteral("0");
    QString text = QString::fromStdString(digitsOf(value, std::chars_format::general, 15));
    text.replace(u'e', u'E');
    return text;
}

QString convertedNumber(double value)
{
    const QString text = numberText(value);
    return text.startsWith(u'-') ? text : QStringLiteral(" ") + text;
}

QString plainNumberText(double value)
{
    if (writtenAsZero(value))
        return QStringLiteral("0");
    // '-d.dddddddddddddde+xx': the 15 significant digits and the place of the point.
    const std::string scientific = digitsOf(value, std::chars_format::scientific, 14);
    const std::string_view text(scientific);
    const bool negative = text.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t e = text.find('e');
    std::string digits;
    for (std::size_t i = mantissaStart; i < e; ++i) {
        if (text[i] != '.')
            digits += text[i];
    }
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const int integerDigits = exponent + 1;
    std::string plain;
    if (integerDigits <= 0)
        plain = "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    else if (static_cast<std::size_t>(integerDigits) >= digits.size())
        plain = digits + std::string(static_cast<std::size_t>(integerDigits) - digits.size(), '0');
    else
        plain = digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
    return QString::fromLatin1(negative ? "-" : "") + QString::fromStdString(plain);
}

bool isNumberText(QStringView text)
{
    const QStringView t = blankTrimmedView(text);
    qsizetype i = 0;
    auto digits = [&] {
        const qsizetype from = i;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128)
            ++i;
        return i - from;
    };
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        ++i;
    qsizetype count = digits();
    if (i < t.size() && t[i] == u'.') {
        ++i;
        count += digits();
    }
    if (count == 0)
        return false;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == t.size();
}

#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

QString numberText(double value)
{
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    if (std::isinf(value))
        value = value > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    text.replace(u'e', u'E');
    return text;
}

QString convertedNumber(double value)
{
    const QString text = numberText(value);
    return text.startsWith(u'-') ? text : QStringLiteral(" ") + text;
}

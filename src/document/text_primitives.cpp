#include "text_primitives.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

QString ClearComments(QString& mot)
{
    if (mot.isEmpty())
        return mot;
    const qsizetype semicolon = mot.indexOf(u';');
    if (semicolon >= 0)
        mot = trimBlanks(QStringView(mot).left(semicolon));
    while (!mot.isEmpty() && mot.back().unicode() < 32)
        mot.chop(1);
    return mot;
}

QString GetNumberValue(const QString& mot)
{
    QString digits;
    for (const QChar c : mot) {
        if (c >= u'0' && c <= u'9')
            digits.append(c);
    }
    qsizetype firstSignificant = 0;
    while (firstSignificant < digits.size() - 1 && digits[firstSignificant] == u'0')
        ++firstSignificant;
    digits.remove(0, firstSignificant);
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

bool IsANumber(const QString& mot)
{
    QStringView text = QStringView(mot);
    while (!text.isEmpty() && text.front() == u' ')
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    if (text.startsWith(u'-'))
        text = text.mid(1);
    if (text.isEmpty())
        return false;
    int points = 0;
    for (const QChar c : text) {
        if (c == u'.')
            ++points;
        else if (c < u'0' || c > u'9')
            return false;
    }
    return points <= 1;
}

double numericValue(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    std::string ascii;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ascii.push_back(static_cast<char>(text[i++].unicode()));
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        ascii.push_back('.');
        ++i;
        while (i < n && text[i].unicode() < 128 && text[i].isDigit()) {
            ascii.push_back(static_cast<char>(text[i++].unicode()));
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'-' || text[j] == u'+'))
            exponent.push_back(static_cast<char>(text[j++].unicode()));
        bool expDigits = false;
        while (j < n && text[j].unicode() < 128 && text[j].isDigit()) {
            exponent.push_back(static_cast<char>(text[j++].unicode()));
            expDigits = true;
        }
        if (expDigits)
            ascii += exponent;
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value untouched: decide between overflow and underflow.
        const auto e = ascii.find('e');
        const bool tiny = e != std::string::npos && ascii.find('-', e) != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
    }
    return negative ? -value : value;
}

QString trimLeadingBlanks(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.mid(1);
    return text.toString();
}

QString trimTrailingBlanks(QStringView text)
{
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text.toString();
}

QStringView blankTrimmedView(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

QString trimBlanks(QStringView text)
{
    return blankTrimmedView(text).toString();
}

QString trimBlanks(const QString& text)
{
    const QStringView trimmed = blankTrimmedView(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QString leftChars(const QString& text, qsizetype n)
{
    return n <= 0 ? QString() : text.left(n);
}

QString rightChars(const QString& text, qsizetype n)
{
    return n <= 0 ? QString() : text.right(n);
}

QString midChars(const QString& text, qsizetype from)
{
    return from >= text.size() ? QString() : text.mid(std::max<qsizetype>(from, 0));
}

// The number primitives: every text has a defined result, and a number written as text reads
// back as the same text (numberText(numericValue(numberText(v))) equals numberText(v)), both for
// the value a text reads as and for any bit pattern of a double.
#include "fuzz_support.h"

#include "document/number_text.h"
#include "document/text_codec.h"
#include "document/text_primitives.h"

#include <cmath>
#include <cstring>

namespace {

void checkDigits(const QString& text)
{
    const QString digits = GetNumberValue(text);
    bool plain = !digits.isEmpty() && (digits.size() == 1 || digits.front() != u'0');
    for (const QChar c : digits)
        plain = plain && c >= u'0' && c <= u'9';
    if (!plain)
        propertyBroken("GetNumberValue gives a whole number in plain decimal", text, digits);
}

void checkNumberTest(const QString& text)
{
    if (!IsANumber(text))
        return;
    // What the number test accepts reads as a finite value, and so does its written form.
    const double value = numericValue(text);
    if (!std::isfinite(value))
        propertyBroken("a text IsANumber accepts reads as a finite value", text, QString::number(value));
}

void checkStable(double value, const QString& origin)
{
    const QString text = numberText(value);
    const double read = numericValue(text);
    if (!std::isfinite(read))
        propertyBroken("numberText reads back as a finite value", origin, text);
    if (numberText(read) != text)
        propertyBroken("numberText is stable through numericValue", text, numberText(read));
    const QString converted = convertedNumber(value);
    if (converted != (text.startsWith(u'-') ? text : u' ' + text))
        propertyBroken("convertedNumber is numberText behind a blank", text, converted);
}

void checkComments(const QString& text)
{
    QString once = text;
    ClearComments(once);
    if (once.contains(u';') || (!once.isEmpty() && once.back().unicode() < 32))
        propertyBroken("ClearComments leaves no comment and no trailing control character", text, once);
    QString twice = once;
    if (ClearComments(twice) != once)
        propertyBroken("ClearComments is idempotent", once, twice);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = decodeWindows1252(inputBytes(data, size));
    checkDigits(text);
    checkNumberTest(text);
    checkComments(text);
    const double value = numericValue(text);
    if (!std::isfinite(value))
        propertyBroken("numericValue is finite", text, QString::number(value));
    checkStable(value, text);
    if (size >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        checkStable(bits, QStringLiteral("a double from the first eight bytes"));
    }
    return 0;
}

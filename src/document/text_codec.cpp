#include "text_codec.h"

#include <QStringDecoder>

#include <array>

namespace {

// Characters of bytes 0x80..0x9F; the undefined bytes map to the C1 control of the same value.
// clang-format off
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
// clang-format on

char encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    // Made at its size: resize() of an empty string leaves room to grow, 60 % more than the
    // text, which a large file holds for as long as it is read.
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = (in[i] >= 0x80 && in[i] <= 0x9F) ? kHighTable[in[i] - 0x80] : char16_t(in[i]);
    return text;
}

QByteArray encodeWindows1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    const auto* in = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = encodeChar(in[i]);
    return bytes;
}

QByteArray encodeWindows1252OrUtf8(const QString& text)
{
    const QByteArray bytes = encodeWindows1252(text);
    return decodeWindows1252(bytes) == text ? bytes : text.toUtf8();
}

QString decodeUtf8OrWindows1252(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? decodeWindows1252(bytes) : text;
}

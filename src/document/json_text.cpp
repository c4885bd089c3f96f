#include "json_text.h"

void appendJsonString(QByteArray& out, QStringView text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    qsizetype plainFrom = 0;
    // Runs of characters that need no escape go out in one UTF-8 conversion.
    const auto flush = [&](qsizetype to) {
        if (to > plainFrom)
            out += text.sliced(plainFrom, to - plainFrom).toUtf8();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool paired = QChar::isHighSurrogate(c)  ? i + 1 < text.size() && text[i + 1].isLowSurrogate()
                            : QChar::isLowSurrogate(c) ? i > 0 && text[i - 1].isHighSurrogate()
                                                       : true;
        if (c >= 0x20 && c != u'"' && c != u'\\' && paired)
            continue;
        flush(i);
        plainFrom = i + 1;
        switch (c) {
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        case u'\b':
            out += "\\b";
            break;
        case u'\f':
            out += "\\f";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        default:
            // A control character, or a surrogate without its other half.
            out += "\\u";
            for (const int shift : {12, 8, 4, 0})
                out += kHex[(c >> shift) & 0xf];
        }
    }
    flush(text.size());
    out += '"';
}

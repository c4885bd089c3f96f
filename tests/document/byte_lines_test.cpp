// The lines of a file's bytes and their cleaning must be exactly what the line reader gives for
// the decoded text: the configuration scan works on the bytes and decodes only what it keeps.
#include "document/byte_lines.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "document/text_primitives.h"
#include "qt_print.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QStringList byteLines(const QByteArray& bytes)
{
    QStringList lines;
    forEachByteLine(bytes, [&](QByteArrayView line) { lines.append(decodeWindows1252(line)); });
    return lines;
}

QStringList readerLines(const QByteArray& bytes)
{
    return splitLines(decodeWindows1252(bytes));
}

// Bytes that matter to line ends and cleaning, and some that must not matter.
const char kAlphabetBytes[] = "\r\n ;\t\x01\x1f\x00"
                              "a=,\"\x80\x9f\xa0\xdf\xff";
const QByteArray kAlphabet(kAlphabetBytes, sizeof(kAlphabetBytes) - 1);

QByteArray randomBytes(QRandomGenerator& random, int most)
{
    QByteArray bytes;
    for (int n = random.bounded(most + 1); n > 0; --n)
        bytes.append(kAlphabet[random.bounded(int(kAlphabet.size()))]);
    return bytes;
}

TEST(ByteLines, EndAsTheLineReaderEndsThem)
{
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"one line, no end", QByteArray("Name = Sol")},
        {"crlf", QByteArray("a\r\nb\r\n")},
        {"lone cr", QByteArray("a\rb")},
        {"lone lf", QByteArray("a\nb\n")},
        {"lf cr is two ends", QByteArray("a\n\rb")},
        {"cr cr lf", QByteArray("a\r\r\n")},
        {"only ends", QByteArray("\r\n\r\n\n\r\r")},
        {"cr at the very end", QByteArray("a\r")},
        {"nul and high bytes", QByteArray("\x00\xff\r\n\x80\x00", 6)},
    };
    for (const auto& [name, bytes] : cases)
        EXPECT_EQ(byteLines(bytes), readerLines(bytes)) << name;

    QRandomGenerator random(20251120);
    for (int round = 0; round < 2000; ++round) {
        const QByteArray bytes = randomBytes(random, 40);
        ASSERT_EQ(byteLines(bytes), readerLines(bytes)) << bytes.toHex().toStdString();
    }

    const QByteArray longLine = "Name = " + QByteArray(4 << 20, 'x');
    const QStringList lines = byteLines("a\r\n" + longLine + "\r\nb");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1].size(), longLine.size());
    EXPECT_EQ(lines[2], "b");
}

TEST(ByteLines, CleaningIsClearCommentsThenTrimming)
{
    const auto reader = [](QByteArrayView line) {
        QString text = decodeWindows1252(line);
        ClearComments(text);
        return trimBlanks(text);
    };
    const auto bytes = [](QByteArrayView line) { return decodeWindows1252(cleanedByteLine(line)); };
    const QByteArray cases[] = {
        "",
        "  Name = Sol ; the system  ",
        "; Star1 = hidden",
        "A \x01 ",    // a control character behind which a blank stands stays
        "A \x01 ; c", // the comment's cut is trimmed first, then the control character goes
        "A\t\r",      // never met inside a line, but cleaned as a text would be
        "  \x1f\x1f",
        "Name = \xe9t\xe9\x85",
        QByteArray("Star1\x00 = x", 10),
        "\"a; b\", c", // a quoted ";" still starts the comment
    };
    for (const QByteArray& line : cases)
        EXPECT_EQ(bytes(line), reader(line)) << line.toHex().toStdString();
    for (int b = 0; b < 256; ++b) {
        for (const char* shape : {"%c", " %c ", "x%c", "%c;", "x %c"}) {
            const QByteArray line = QByteArray(shape).replace("%c", QByteArray(1, char(b)));
            ASSERT_EQ(bytes(line), reader(line)) << line.toHex().toStdString();
        }
    }
    QRandomGenerator random(1252);
    for (int round = 0; round < 5000; ++round) {
        const QByteArray line = randomBytes(random, 24).replace('\r', 'r').replace('\n', 'n');
        ASSERT_EQ(bytes(line), reader(line)) << line.toHex().toStdString();
    }
}

} // namespace

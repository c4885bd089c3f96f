#include "document/safe_write.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(SplitLines, EndsLinesAtCrLfCrAndLf)
{
    struct Case
    {
        const char* name;
        QString text;
        QStringList expected;
    };
    const Case cases[] = {
        {"crlf", QStringLiteral("a\r\nb\r\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        {"lone-cr", QStringLiteral("a\rb"), {QStringLiteral("a"), QStringLiteral("b")}},
        {"lone-lf", QStringLiteral("a\nb\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        {"lf-cr-is-two-ends",
         QStringLiteral("a\n\rb"),
         {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {"empty-lines", QStringLiteral("\r\n\r\n"), {QString(), QString()}},
        {"no-final-end", QStringLiteral("a"), {QStringLiteral("a")}},
        {"empty", QString(), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitLines(c.text), c.expected) << c.name;
}

TEST(SplitFields, EndsFieldsAtCommasOutsideQuotes)
{
    EXPECT_EQ(splitFields(QStringLiteral("A = 1, 2")),
              (QStringList{QStringLiteral("A = 1"), QStringLiteral("2")}));
    EXPECT_EQ(splitFields(QStringLiteral("\"a, b\",c")),
              (QStringList{QStringLiteral("a, b"), QStringLiteral("c")}));
    EXPECT_EQ(splitFields(QString()), QStringList{QString()});
    EXPECT_EQ(splitFields(QStringLiteral("a,")), QStringList{QStringLiteral("a")});
}

TEST(Windows1252, EveryByteSurvivesDecodingAndEncoding)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = decodeWindows1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0xE9], QChar(0xE9));
    EXPECT_EQ(encodeWindows1252(text), all);
    EXPECT_EQ(encodeWindows1252(QStringLiteral("\u4E2D")), QByteArray("?"));
}

TEST(ReadTextLines, ReadsAnyLetterCaseAndReportsMissingFiles)
{
    ScenarioFiles files;
    files.writeBytes(QStringLiteral("Mixed.CFG"), QByteArray("x\r\ny\nz\r"));
    EXPECT_EQ(readTextLines(files.path(QStringLiteral("mixed.cfg"))),
              (QStringList{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}));
    EXPECT_FALSE(readTextLines(files.path(QStringLiteral("missing.cfg"))).has_value());
    EXPECT_FALSE(readTextFields(files.path(QStringLiteral("missing.cfg"))).has_value());
}

TEST(SafeWrite, KeepsTheNameOfAFileThatDiffersInLetterCase)
{
    ScenarioFiles files;
    files.writeBytes(QStringLiteral("Test.scn"), QByteArray("old"));
    const WriteResult result =
        writeTextFileSafely(files.path(QStringLiteral("test.scn")), {QStringLiteral("new")});
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.path.endsWith(QStringLiteral("Test.scn")));
    EXPECT_FALSE(QFile::exists(files.path(QStringLiteral("test.scn"))));
    QFile file(files.path(QStringLiteral("Test.scn")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("new\r\n"));
}

TEST(SafeWrite, LeavesNothingWhenTheFolderIsMissing)
{
    ScenarioFiles files;
    const WriteResult result = writeFileSafely(files.path(QStringLiteral("no/such/folder/a.scn")), "x");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

} // namespace

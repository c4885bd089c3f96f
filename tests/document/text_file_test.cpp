#include "document/safe_write.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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
        {"crlf", u"a\r\nb\r\n"_s, {u"a"_s, u"b"_s}},
        {"lone-cr", u"a\rb"_s, {u"a"_s, u"b"_s}},
        {"lone-lf", u"a\nb\n"_s, {u"a"_s, u"b"_s}},
        {"lf-cr-is-two-ends", u"a\n\rb"_s, {u"a"_s, QString(), u"b"_s}},
        {"empty-lines", u"\r\n\r\n"_s, {QString(), QString()}},
        {"no-final-end", u"a"_s, {u"a"_s}},
        {"empty", QString(), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitLines(c.text), c.expected) << c.name;
}

TEST(SplitFields, EndsFieldsAtCommasOutsideQuotes)
{
    EXPECT_EQ(splitFields(u"A = 1, 2"_s), (QStringList{u"A = 1"_s, u"2"_s}));
    EXPECT_EQ(splitFields(u"\"a, b\",c"_s), (QStringList{u"a, b"_s, u"c"_s}));
    EXPECT_EQ(splitFields(QString()), QStringList{QString()});
    EXPECT_EQ(splitFields(u"a,"_s), QStringList{u"a"_s});
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
    EXPECT_EQ(encodeWindows1252(u"\u4E2D"_s), QByteArray("?"));
}

TEST(ReadTextLines, ReadsAnyLetterCaseAndReportsMissingFiles)
{
    ScenarioFiles files;
    files.writeBytes(u"Mixed.CFG"_s, QByteArray("x\r\ny\nz\r"));
    EXPECT_EQ(readTextLines(files.path(u"mixed.cfg"_s)), (QStringList{u"x"_s, u"y"_s, u"z"_s}));
    EXPECT_FALSE(readTextLines(files.path(u"missing.cfg"_s)).has_value());
    EXPECT_FALSE(readTextFields(files.path(u"missing.cfg"_s)).has_value());
}

TEST(SafeWrite, KeepsTheNameOfAFileThatDiffersInLetterCase)
{
    ScenarioFiles files;
    files.writeBytes(u"Test.scn"_s, QByteArray("old"));
    const WriteResult result = writeTextFileSafely(files.path(u"test.scn"_s), {u"new"_s});
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.path.endsWith(u"Test.scn"_s));
    EXPECT_FALSE(QFile::exists(files.path(u"test.scn"_s)));
    QFile file(files.path(u"Test.scn"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("new\r\n"));
}

TEST(SafeWrite, LeavesNothingWhenTheFolderIsMissing)
{
    ScenarioFiles files;
    const WriteResult result = writeFileSafely(files.path(u"no/such/folder/a.scn"_s), "x");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

} // namespace

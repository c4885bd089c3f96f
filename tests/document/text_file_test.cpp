#include "document/folder_description.h"
#include "document/regular_file.h"
#include "document/safe_write.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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
    for (const auto& c : cases) {
        EXPECT_EQ(splitLines(c.text), c.expected) << c.name;
        // The views the scenario reader reads through are the same lines, and point into the text.
        const QList<QStringView> views = lineViews(c.text);
        ASSERT_EQ(views.size(), c.expected.size()) << c.name;
        for (qsizetype i = 0; i < views.size(); ++i) {
            EXPECT_EQ(views[i], c.expected[i]) << c.name;
            EXPECT_TRUE(views[i].isEmpty() || (views[i].data() >= c.text.constData() &&
                                               views[i].data() + views[i].size() <= c.text.constData() + c.text.size()))
                << c.name;
        }
    }
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

QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A failing step anywhere leaves the old file as it was and no temporary file beside it; the
// reason is given. A full disk is simulated: the first chunk is buffered by Qt, so the failure
// is met by the flush that the write used to skip.
TEST(SafeWrite, AnyFailingStepKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    for (const qint64 freeBytes : {qint64(0), qint64(10), qint64(70000), qint64(199999)}) {
        ScenarioFiles files;
        const QString target = files.writeBytes(u"a.scn"_s, QByteArray("old content"));
        const SimulatedFullDisk disk(freeBytes);
        const WriteResult result = writeFileSafely(target, QByteArray(200000, 'x'));
        EXPECT_FALSE(result.ok) << freeBytes;
        EXPECT_EQ(result.error, u"No space left on device"_s);
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("old content")) << freeBytes;
        EXPECT_EQ(folderEntries(QFileInfo(target).path()), QStringList{u"a.scn"_s}) << freeBytes;
    }
    ScenarioFiles files;
    const QString target = files.writeBytes(u"a.scn"_s, QByteArray("old"));
    {
        const SimulatedFullDisk disk(1000);
        EXPECT_TRUE(writeFileSafely(target, QByteArray(1000, 'y')).ok) << "what fits is written";
    }
    EXPECT_TRUE(writeFileSafely(target, QByteArray(300000, 'z')).ok) << "the disk is free again";
}

TEST(SafeWrite, RefusesADirectoryAndAMissingFolder)
{
    ScenarioFiles files;
    QDir(files.path(QString())).mkdir(u"y.scn"_s);
    const WriteResult onDirectory = writeFileSafely(files.path(u"y.scn"_s), "x");
    EXPECT_FALSE(onDirectory.ok);
    EXPECT_FALSE(onDirectory.error.isEmpty());
    EXPECT_TRUE(QFileInfo(files.path(u"y.scn"_s)).isDir());
    EXPECT_EQ(folderEntries(files.path(QString())), QStringList{u"y.scn"_s});
    EXPECT_FALSE(writeFileSafely(files.path(u"no/such/folder/a.scn"_s), "x").ok);
}

TEST(SafeWrite, RefusesAReadOnlyFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    ScenarioFiles files;
    const QString target = files.writeBytes(u"a.scn"_s, QByteArray("old"));
    QFile::setPermissions(files.path(QString()), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const WriteResult result = writeFileSafely(target, "new");
    QFile::setPermissions(files.path(QString()),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

// Only regular files are read: a FIFO would block in open() and a device never ends. Each of
// these answers at once as a file that can not be read.
TEST(ReadTextLines, ReadsRegularFilesOnly)
{
    ScenarioFiles files;
    const QString folder = files.path(QString()) + u'/';
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + u"fifo.scn"_s).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, folder + u"zero.scn"_s));
    ASSERT_TRUE(QDir(folder).mkdir(u"y.scn"_s));
    ASSERT_TRUE(QFile::link(folder + u"nothing"_s, folder + u"dangling.scn"_s));
    ASSERT_TRUE(QFile::link(folder + u"loop.scn"_s, folder + u"loop.scn"_s));
    for (const QString& name : {u"fifo.scn"_s, u"zero.scn"_s, u"y.scn"_s, u"dangling.scn"_s, u"loop.scn"_s}) {
        EXPECT_FALSE(readTextLines(folder + name).has_value()) << name.toStdString();
        EXPECT_FALSE(readDescriptionPreview(folder + name).cut) << name.toStdString();
    }
    files.writeBytes(u"real.scn"_s, "a\r\nb");
    ASSERT_TRUE(QFile::link(folder + u"real.scn"_s, folder + u"link.scn"_s));
    EXPECT_EQ(readTextLines(folder + u"link.scn"_s), (QStringList{u"a"_s, u"b"_s})) << "a link to a file is read";
}

TEST(ReadDescriptionPreview, ReadsABoundedPrefixAndSaysItIsCut)
{
    ScenarioFiles files;
    const QByteArray line(1 << 20, 'd');
    const QString path = files.writeBytes(u"long.scn"_s, "BEGIN_DESC\r\n" + line + "\r\nEND_DESC\r\n");
    const DescriptionPreview preview = readDescriptionPreview(path);
    EXPECT_TRUE(preview.cut);
    EXPECT_LE(preview.text.size(), kPreviewBytes);
    EXPECT_TRUE(preview.text.startsWith(u"ddd"_s));
    const DescriptionPreview whole =
        readDescriptionPreview(files.writeBytes(u"short.scn"_s, "BEGIN_DESC\r\nshort\r\nEND_DESC\r\n"));
    EXPECT_FALSE(whole.cut);
    EXPECT_EQ(whole.text, u"short\r\n"_s);
}

// A file is read whole at every size around the read chunk, a prefix is cut at its limit and
// says so only when bytes follow, and a file whose size the system reports as 0 although it
// has content (the files of /proc) is read all the same.
TEST(ReadRegularFile, ReadsEverySizeWholeAndCutsPrefixesAtTheirLimit)
{
    ScenarioFiles files;
    for (const qsizetype size : {0, 1, 65535, 65536, 65537, 3 * 65536 + 5}) {
        SCOPED_TRACE(size);
        QByteArray bytes(size, 'x');
        if (size > 0)
            bytes.back() = 'y';
        const QString path = files.writeBytes(u"f%1.scn"_s.arg(size), bytes);
        EXPECT_EQ(readRegularFile(path), bytes);
        for (const qint64 limit : {qint64(0), qint64(size) - 1, qint64(size), qint64(size) + 1}) {
            if (limit < 0)
                continue;
            const auto prefix = readRegularFilePrefix(path, limit);
            ASSERT_TRUE(prefix);
            EXPECT_EQ(prefix->bytes, bytes.left(limit)) << limit;
            EXPECT_EQ(prefix->cut, limit < size) << limit;
        }
    }
    if (QFileInfo(u"/proc/self/status"_s).size() == 0) {
        const auto status = readRegularFile(u"/proc/self/status"_s);
        ASSERT_TRUE(status);
        EXPECT_TRUE(status->startsWith("Name:"));
    }
}

} // namespace

// The search over the files' bytes gives what the search over their decoded lines gives,
// values, listings and scan log alike, whatever the bytes hold.
#include "document/config_byte_search.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString kFolder = u"/cfg/"_s;

// Files held in memory as bytes; a name that is not held cannot be read.
ByteSource memoryBytes(const QHash<QString, QByteArray>& files)
{
    return [files](const QString& path, QByteArray& bytes) {
        const auto file = files.constFind(path.mid(kFolder.size()));
        if (!path.startsWith(kFolder) || file == files.cend())
            return false;
        bytes = *file;
        return true;
    };
}

// The same files as the line reader gives them.
LineSource memoryLines(const QHash<QString, QByteArray>& files)
{
    const ByteSource bytes = memoryBytes(files);
    return [bytes](const QString& path) -> std::optional<QStringList> {
        QByteArray content;
        if (!bytes(path, content))
            return std::nullopt;
        return splitLines(decodeWindows1252(content));
    };
}

QStringList shown(const QVector<FindDataResult>& results)
{
    QStringList out;
    for (const FindDataResult& result : results) {
        out << u"files: "_s + result.files.join(u' ');
        for (const FoundValue& value : result.values)
            out << value.file + u'=' + value.value;
    }
    return out;
}

struct Searched
{
    QStringList results;
    QStringList reads; // each file read, with its listings
    QString log;
};

Searched byBytes(const QStringList& files, const QVector<DataSearch>& searches, const ByteSource& source)
{
    Searched out;
    ScanLog log;
    out.results =
        shown(FindDataInBytes(kFolder, files, searches, log, source,
                              [&](const QString& file, QByteArrayView, const QVector<qsizetype>& n) {
                                  out.reads << file + u':' + QString::number(n.value(0));
                              }));
    out.log = log.text();
    return out;
}

Searched byLines(const QStringList& files, const QVector<DataSearch>& searches, const LineSource& source)
{
    Searched out;
    ScanLog log;
    out.results =
        shown(FindDataTogether(kFolder, files, searches, log, source,
                               [&](const QString& file, const QStringList&, const QVector<qsizetype>& n) {
                                   out.reads << file + u':' + QString::number(n.value(0));
                               }));
    out.log = log.text();
    return out;
}

void expectSame(const Searched& bytes, const Searched& lines, const std::string& what)
{
    EXPECT_EQ(bytes.results, lines.results) << what;
    EXPECT_EQ(bytes.reads, lines.reads) << what;
    EXPECT_EQ(bytes.log, lines.log) << what;
}

// Lines of hostile shapes: comments, quoted commas, blanks and tabs, control characters, high
// bytes, NUL bytes, keys cut short, keys written in another letter case.
const QByteArray kPieces[] = {
    "Star1 = Sun",
    "Name = Sol",
    "Name=X",
    "  Name = Indented ; comment ",
    "; Name = hidden",
    "Name = \"a, b\", c",
    "Name = caf\xe9 \x80\x9f\xff",
    QByteArray("Name = \x00nul\x00", 12),
    "Name = tab\t\x01",
    "Name = ctrl\x01 ",
    "\tName = after a tab",
    "name = lower",
    "Name",
    "Nam",
    "Name = ",
    "N\xe4me = umlaut",
    "N?me = a question mark, where the code page has no byte for a key's character",
    "ClassName = Falcon",
    "  ClassName = Shuttle ; light",
    "BEGIN_DOCKLIST",
    " begin_docklist ",
    "END_DOCKLIST",
    "Meshname = Ring",
    "Star1",
    "",
    "   ",
    ";",
    "\x1f",
};

const QByteArray kEnds[] = {"\r\n", "\r", "\n"};

QByteArray hostileFile(QRandomGenerator& random)
{
    QByteArray bytes;
    for (int n = random.bounded(9); n > 0; --n) {
        bytes += kPieces[random.bounded(int(std::size(kPieces)))];
        // The last line is left without a line end now and then.
        if (n > 1 || random.bounded(3) > 0)
            bytes += kEnds[random.bounded(int(std::size(kEnds)))];
    }
    return bytes;
}

// Keys as a caller may give them: with blanks around, empty, with a character of the code page
// beyond ASCII, with one the code page lacks, longer than any line.
const QString kKeys[] = {u"Star1"_s,
                         u"Name"_s,
                         u" Name "_s,
                         u""_s,
                         u"N"_s,
                         u"N\u00e4me"_s,
                         u"N\u0100me"_s,
                         u"ClassName"_s,
                         u"BEGIN_DOCKLIST"_s,
                         u"Meshname"_s,
                         u"Name = Sol and more"_s};

TEST(FindDataInBytes, GivesWhatTheLineSearchGivesOnHostileFiles)
{
    QRandomGenerator random(20260120);
    for (int round = 0; round < 1500; ++round) {
        QHash<QString, QByteArray> folder;
        QStringList files;
        for (int f = random.bounded(1, 6); f > 0; --f) {
            const QString name = u"F%1.cfg"_s.arg(random.bounded(4));
            files.append(name);
            if (random.bounded(6) > 0)
                folder.insert(name, hostileFile(random));
        }
        QVector<DataSearch> searches;
        for (int s = random.bounded(1, 4); s > 0; --s)
            searches.append({kKeys[random.bounded(int(std::size(kKeys)))],
                             kKeys[random.bounded(int(std::size(kKeys)))],
                             random.bounded(2) ? ListedValues::PerListing : ListedValues::OnePerFile});
        expectSame(byBytes(files, searches, memoryBytes(folder)),
                   byLines(files, searches, memoryLines(folder)), "round " + std::to_string(round));
        if (HasFailure())
            return;
    }
}

TEST(FindDataInBytes, ReadsLongFilesEmptyFilesAndAShortFileAfterALongOneFromDisk)
{
    ScenarioFiles disk;
    const QByteArray longName(4 << 20, 'L');
    disk.writeBytes(u"Long.cfg"_s, "Star1 = A\r\nName = " + longName + "\r\nName = " + longName.left(100));
    disk.writeBytes(u"Empty.cfg"_s, QByteArray());
    disk.writeBytes(u"One.cfg"_s, "Star1 = B");
    disk.writeBytes(u"Short.cfg"_s, "Name = Short\rStar1 = C");
    disk.writeBytes(u"Nul.cfg"_s, QByteArray("Star1\x00\r\nName = \x00\xff\n", 18));
    const QString folder = disk.path(u"Long.cfg"_s).chopped(8);
    const QStringList files{u"Long.cfg"_s,  u"Empty.cfg"_s, u"One.cfg"_s,
                            u"Short.cfg"_s, u"Nul.cfg"_s,   u"Gone.cfg"_s};
    const QVector<DataSearch> searches{{u"Star1"_s, u"Name"_s}};

    ScanLog byteLog;
    const QVector<FindDataResult> bytes = FindDataInBytes(folder, files, searches, byteLog);
    ScanLog lineLog;
    const QVector<FindDataResult> lines = FindDataTogether(folder, files, searches, lineLog, readTextLines);
    EXPECT_EQ(shown(bytes), shown(lines));
    EXPECT_EQ(byteLog.text(), lineLog.text());
    ASSERT_EQ(bytes[0].values.size(), 4);
    EXPECT_EQ(bytes[0].values[0].value.size(), longName.size());
    EXPECT_EQ(bytes[0].values[2].value, u"Short"_s) << "nothing of the long file is left in the buffer";
    EXPECT_EQ(bytes[0].values[3].value, QString::fromUtf16(u"\u0000\u00ff", 2));
    EXPECT_EQ(byteLog.text(), u"Can not open the file "_s + folder + u"Gone.cfg. "_s);
}

TEST(ReadFileBytes, ReadsRegularFilesOnlyIntoOneBuffer)
{
    ScenarioFiles files;
    const QString folder = files.path(QString()) + u'/';
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + u"fifo.cfg"_s).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, folder + u"zero.cfg"_s));
    ASSERT_TRUE(QDir(folder).mkdir(u"dir.cfg"_s));
    QByteArray bytes;
    for (const QString& name : {u"fifo.cfg"_s, u"zero.cfg"_s, u"dir.cfg"_s, u"missing.cfg"_s})
        EXPECT_FALSE(readFileBytes(folder + name, bytes)) << name.toStdString();

    const QByteArray large(1 << 20, 'x');
    files.writeBytes(u"Large.cfg"_s, large);
    files.writeBytes(u"Small.CFG"_s, "small");
    files.writeBytes(u"empty.cfg"_s, QByteArray());
    ASSERT_TRUE(readFileBytes(folder + u"Large.cfg"_s, bytes));
    EXPECT_EQ(bytes, large);
    const char* buffer = bytes.constData();
    ASSERT_TRUE(readFileBytes(folder + u"small.cfg"_s, bytes)) << "found in any letter case";
    EXPECT_EQ(bytes, "small");
    EXPECT_EQ(bytes.constData(), buffer) << "the buffer is reused";
    ASSERT_TRUE(readFileBytes(folder + u"empty.cfg"_s, bytes));
    EXPECT_TRUE(bytes.isEmpty());
}

} // namespace

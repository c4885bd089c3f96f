#include "document/scan_log.h"
#include "qt_print.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ScanLogBound, KeepsEveryEntryOfANormalScanAsBefore)
{
    ScanLog log;
    log.addFileFailure(u"/c/Earth.cfg"_s);
    log.addRawFailure(u"/s/a.scn"_s);
    log.addEntry(u"The file /s/a.scn has no readable Date statement. "_s, u"/s/a.scn"_s);
    log.addLineEntry(u"needs a number"_s, u"/s/a.scn"_s, u"Line 3 of /s/a.scn: 'FUEL' needs a number. "_s);
    const QString expected = u"Can not open the file /c/Earth.cfg. Can not open the file /s/a.scn"
                             u"The file /s/a.scn has no readable Date statement. "
                             u"Line 3 of /s/a.scn: 'FUEL' needs a number. "_s;
    EXPECT_EQ(log.LogMessage, expected);
    EXPECT_EQ(log.text(), expected);
    EXPECT_TRUE(log.LogError);
    log.reset();
    EXPECT_FALSE(log.LogError);
    EXPECT_EQ(log.text(), QString());
}

TEST(ScanLogBound, KeepsTwentyEntriesPerFileAndKindThenCountsTheRest)
{
    ScanLog log;
    for (int i = 0; i < 25; ++i) {
        log.addFileFailure(u"/c/Earth.cfg"_s);
        log.addLineEntry(u"needs a number"_s, u"/s/a.scn"_s, u"Line %1 of /s/a.scn. "_s.arg(i + 1));
    }
    log.addLineEntry(u"needs a name"_s, u"/s/a.scn"_s, u"Line 99 of /s/a.scn. "_s);
    const QString text = log.text();
    EXPECT_EQ(text.count(u"Can not open the file /c/Earth.cfg. "_s), ScanLog::kEntriesPerFile);
    EXPECT_TRUE(text.contains(u"Line 20 of /s/a.scn. "_s));
    EXPECT_FALSE(text.contains(u"Line 21 of /s/a.scn. "_s));
    EXPECT_TRUE(text.contains(u"Line 99 of /s/a.scn. "_s))
        << "another kind of the same file has its own bound";
    EXPECT_TRUE(text.endsWith(u"5 more entries 'Can not open the file' about /c/Earth.cfg were left out. "
                              u"5 more entries 'needs a number' about /s/a.scn were left out. "_s))
        << text.toStdString();
}

TEST(ScanLogBound, TheCountStandsApartFromARawFailureBeforeIt)
{
    ScanLog log;
    for (int i = 0; i < ScanLog::kEntriesPerFile + 2; ++i)
        log.addLineEntry(u"needs three values"_s, u"/s/a.scn"_s, u"Line %1 of /s/a.scn. "_s.arg(i + 1));
    log.addRawFailure(u"/s/a.scn"_s);
    EXPECT_TRUE(log.text().endsWith(u"Can not open the file /s/a.scn 2 more entries 'needs three values' "
                                    u"about /s/a.scn were left out. "_s))
        << log.text().right(120).toStdString();
}

TEST(ScanLogBound, ManyFilesOfOneKindStopAtTheKindsBound)
{
    ScanLog log;
    const int files = ScanLog::kEntriesPerKind + 500;
    for (int i = 0; i < files; ++i)
        log.addFileFailure(u"/c/Body%1.cfg"_s.arg(i));
    const QString text = log.text();
    EXPECT_EQ(text.count(u"Can not open the file"_s), ScanLog::kEntriesPerKind + 1);
    EXPECT_TRUE(text.endsWith(u"500 more entries 'Can not open the file' were left out. "_s))
        << text.right(200).toStdString();
    EXPECT_LT(text.size(), 64 * ScanLog::kEntriesPerKind);
}

TEST(ScanLogReadingFailures, AreTheEntriesAboutTheFileThatAreNoLineEntries)
{
    ScanLog log;
    log.addFileFailure(u"/c/Earth.cfg"_s);
    log.addEntry(u"The file /s/a.scn has no readable Date statement. "_s, u"/s/a.scn"_s);
    log.addLineEntry(u"needs a number"_s, u"/s/a.scn"_s, u"Line 3 of /s/a.scn: 'FUEL' needs a number. "_s);
    log.addRawFailure(u"/s/a.scn"_s);
    log.addEntry(u"An entry about no file. "_s);
    EXPECT_EQ(log.readingFailures(u"/s/a.scn"_s),
              (QStringList{u"The file /s/a.scn has no readable Date statement."_s,
                           u"Can not open the file /s/a.scn"_s}));
    EXPECT_EQ(log.readingFailures(u"/c/Earth.cfg"_s), QStringList{u"Can not open the file /c/Earth.cfg."_s});
    EXPECT_TRUE(log.readingFailures(u"/s/b.scn"_s).isEmpty());
}

TEST(ScanLogReadingFailures, EntriesBesidesAFileAreThoseAboutOtherFilesAndTheirCounts)
{
    ScanLog log;
    log.addFileFailure(u"/c/Earth.cfg"_s);
    log.addEntry(u"The file /s/a.scn has no readable Date statement. "_s, u"/s/a.scn"_s);
    for (int i = 0; i < ScanLog::kEntriesPerFile + 2; ++i) {
        log.addLineEntry(u"needs a number"_s, u"/s/a.scn"_s,
                         u"Line %1 of /s/a.scn: 'FUEL' needs a number. "_s.arg(i));
        log.addFileFailure(u"/c/Mars.cfg"_s);
    }
    log.addRawFailure(u"/s/a.scn"_s);
    const QStringList besides = log.entriesBesides(u"/s/a.scn"_s);
    ASSERT_EQ(besides.size(), 1 + ScanLog::kEntriesPerFile + 1);
    EXPECT_EQ(besides.first(), u"Can not open the file /c/Earth.cfg."_s);
    EXPECT_EQ(besides[1], u"Can not open the file /c/Mars.cfg."_s);
    EXPECT_EQ(besides.last(), u"2 more entries 'Can not open the file' about /c/Mars.cfg were left out."_s);
    // The entries about the file and its count of lines left out are not among them.
    EXPECT_FALSE(besides.join(u' ').contains(u"a.scn"_s));
    EXPECT_EQ(log.entriesBesides(u"/c/Mars.cfg"_s).size(), 1 + 1 + ScanLog::kEntriesPerFile + 1 + 1);
}

} // namespace

// Scenario files the fuzz target found to change at a second save, kept in
// tests/data/fuzz/scenario: each must now be a fixed point of reading and writing.
#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QByteArray writtenAgain(const QByteArray& written)
{
    Scenario doc;
    ScenarioReaderHost host;
    readScenarioLines(QStringLiteral("written.scn"), splitLines(decodeWindows1252(written)), doc, host);
    return scenarioFileText(doc);
}

} // namespace

TEST(FuzzFindings, EveryScenarioFindingIsWrittenTheSameAtTheSecondSave)
{
    const QDir folder(QStringLiteral(CORVANE_TEST_DATA_DIR "/fuzz/scenario"));
    const QStringList files = folder.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray once = scenarioFileText(readScenario(folder.filePath(file)));
        const QByteArray twice = writtenAgain(once);
        EXPECT_EQ(splitLines(decodeWindows1252(twice)), splitLines(decodeWindows1252(once)));
    }
}

#include "editing/body_figures.h"
#include "editing/workspace.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

void writeBody(const QTemporaryDir& dir, const char* text)
{
    QFile file(dir.filePath(QStringLiteral("Earth.cfg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_GT(file.write(text), 0);
}

TEST(BodyFigures, TheEditorRereadsABodyFileAndAWholeScenarioCheckReadsItOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeBody(dir, "Size = 6371000\r\nAtmAltLimit = 200000\r\n");
    Workspace ws;
    ws.folders.CfgDir = dir.path() + u'/';

    EXPECT_EQ(keptBodyRadius(&ws.bodyFigures, ws.folders.CfgDir, QStringLiteral("Earth"), ws.doc.scanLog), 6371000.0);
    writeBody(dir, "Size = 1000\r\nAtmAltLimit = 5\r\n");
    EXPECT_EQ(keptBodyRadius(&ws.bodyFigures, ws.folders.CfgDir, QStringLiteral("Earth"), ws.doc.scanLog), 1000.0);

    ws.bodyFigures.keep = true;
    EXPECT_EQ(keptBodyRadius(&ws.bodyFigures, ws.folders.CfgDir, QStringLiteral("Earth"), ws.doc.scanLog), 1000.0);
    EXPECT_EQ(keptAtmosphereLimit(&ws.bodyFigures, ws.folders.CfgDir, QStringLiteral("Earth"), ws.doc.scanLog), 5.0);
    writeBody(dir, "Size = 2\r\nAtmAltLimit = 3\r\n");
    EXPECT_EQ(keptBodyRadius(&ws.bodyFigures, ws.folders.CfgDir, QStringLiteral("Earth"), ws.doc.scanLog), 1000.0);
    EXPECT_EQ(keptAtmosphereLimit(&ws.bodyFigures, ws.folders.CfgDir, QStringLiteral("Earth"), ws.doc.scanLog), 5.0);

    // A body without a file counts as radius 0 and is logged once, on its first read.
    EXPECT_EQ(keptBodyRadius(&ws.bodyFigures, ws.folders.CfgDir, QStringLiteral("Vulcan"), ws.doc.scanLog), 0.0);
    const QString logged = ws.doc.scanLog.LogMessage;
    EXPECT_EQ(keptBodyRadius(&ws.bodyFigures, ws.folders.CfgDir, QStringLiteral("Vulcan"), ws.doc.scanLog), 0.0);
    EXPECT_EQ(ws.doc.scanLog.LogMessage, logged);
}

} // namespace

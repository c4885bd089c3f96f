#include "document/file_paths.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The scan's look-up map must find what the walk through the folder listings finds, for names
// in any letter case, names that several files match, missing files and missing folders.
TEST(FolderListingScope, ResolvesEveryPathAsTheListingWalkDoes)
{
    ScenarioFiles files;
    for (const QString& name : {u"Earth.cfg"_s, u"EARTH.CFG"_s, u"moon.cfg"_s, u"Straße.cfg"_s, u"ÄRGER.cfg"_s})
        files.writeBytes(name, "x");
    QDir(files.path({})).mkpath(u"Sub/Inner"_s);
    files.writeBytes(u"Sub/Inner/Deep.cfg"_s, "x");
    const QStringList asked{u"Earth.cfg"_s,  u"earth.cfg"_s,        u"EARTH.cfg"_s,         u"MOON.CFG"_s,
                            u"STRASSE.cfg"_s, u"straße.CFG"_s,       u"ärger.cfg"_s,         u"none.cfg"_s,
                            u"sub/inner/deep.cfg"_s, u"SUB/Inner/none.cfg"_s, u"sub/"_s, u"nosub/deep.cfg"_s,
                            u"sub\\inner\\DEEP.cfg"_s, u"Sub/../moon.CFG"_s};
    QStringList walked;
    for (const QString& name : asked)
        walked.append(resolvePath(files.path(name)));
    EXPECT_TRUE(walked[8].endsWith(u"/Sub/Inner/Deep.cfg"_s)) << walked[8].toStdString();
    const FolderListingScope scope;
    for (int round = 0; round < 2; ++round) {
        const FolderListingScope inner;
        for (qsizetype i = 0; i < asked.size(); ++i)
            EXPECT_EQ(resolvePath(files.path(asked[i])), walked[i]) << asked[i].toStdString();
    }
}

} // namespace

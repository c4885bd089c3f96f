#include "document/file_paths.h"
#include "document/text_file.h"
#include "qt_print.h"
#include "scenario_files.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The scan's look-up map must find what the walk through the folder listings finds, for names
// in any letter case, names that several files match, missing files and missing folders.
TEST(FolderListingScope, ResolvesEveryPathAsTheListingWalkDoes)
{
    ScenarioFiles files;
    for (const QString& name :
         {u"Earth.cfg"_s, u"EARTH.CFG"_s, u"moon.cfg"_s, u"Straße.cfg"_s, u"ÄRGER.cfg"_s})
        files.writeBytes(name, "x");
    QDir(files.path({})).mkpath(u"Sub/Inner"_s);
    files.writeBytes(u"Sub/Inner/Deep.cfg"_s, "x");
    const QStringList asked{u"Earth.cfg"_s,
                            u"earth.cfg"_s,
                            u"EARTH.cfg"_s,
                            u"MOON.CFG"_s,
                            u"STRASSE.cfg"_s,
                            u"straße.CFG"_s,
                            u"ärger.cfg"_s,
                            u"none.cfg"_s,
                            u"sub/inner/deep.cfg"_s,
                            u"SUB/Inner/none.cfg"_s,
                            u"sub/"_s,
                            u"nosub/deep.cfg"_s,
                            u"sub\\inner\\DEEP.cfg"_s,
                            u"Sub/../moon.CFG"_s};
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

// Inside a scope a reader does not open a file its folder's listing lacks: a system of 400,000
// bodies without files cost 800,000 failed opens. What the listing cannot tell is still opened.
TEST(FolderListingScope, AnswersMissingFilesFromTheListing)
{
    ScenarioFiles files;
    files.writeBytes(u"Earth.cfg"_s, "Mass = 1\r\n");
    QDir(files.path({})).mkpath(u"Locked"_s);
    files.writeBytes(u"Locked/Inside.cfg"_s, "x");
    EXPECT_EQ(resolveListedPath(files.path(u"none.cfg"_s)), files.path(u"none.cfg"_s))
        << "no scope: not known";
    {
        const FolderListingScope scope;
        EXPECT_EQ(resolveListedPath(files.path(u"none.cfg"_s)), std::nullopt);
        EXPECT_EQ(resolveListedPath(files.path(u"nosub/none.cfg"_s)), files.path(u"nosub/none.cfg"_s))
            << "a folder that is not there lists nothing, which tells nothing";
        EXPECT_EQ(resolveListedPath(files.path(u"earth.CFG"_s)), files.path(u"Earth.cfg"_s));
        EXPECT_EQ(readTextLines(files.path(u"EARTH.cfg"_s)), QStringList{u"Mass = 1"_s});
        EXPECT_EQ(readTextLines(files.path(u"none.cfg"_s)), std::nullopt);
        files.writeBytes(u"Late.cfg"_s, "x");
        EXPECT_EQ(readTextLines(files.path(u"Late.cfg"_s)), std::nullopt) << "made after the listing";
    }
    EXPECT_EQ(readTextLines(files.path(u"Late.cfg"_s)), QStringList{u"x"_s}) << "seen once the scope ends";

    // A folder that may be entered but not read lists nothing: its files are still opened.
    const QString locked = files.path(u"Locked"_s);
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ExeOwner));
    const bool listable = !QDir(locked).entryList(QDir::Files).isEmpty(); // true when run as root
    {
        const FolderListingScope scope;
        EXPECT_EQ(readTextLines(locked + u"/Inside.cfg"_s), QStringList{u"x"_s});
        if (!listable) {
            EXPECT_EQ(resolveListedPath(locked + u"/gone.cfg"_s), locked + u"/gone.cfg"_s);
        }
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace

#include "document/recovery_store.h"
#include "document/safe_write.h"
#include "qt_print.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A scenario folder and a recovery folder, both temporary.
class RecoveryStore : public ::testing::Test
{
protected:
    QString scenario(const QString& name) const { return scenarios_.filePath(name); }
    QString folder() const { return state_.filePath(u"recovery"_s); }

    QString writeScenario(const QString& name, const QByteArray& bytes) const
    {
        QFile file(scenario(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QStringList folderEntries() const { return QDir(folder()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir scenarios_;
    QTemporaryDir state_;
};

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void setModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

class EnvironmentValue
{
public:
    explicit EnvironmentValue(const char* name)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
    }
    ~EnvironmentValue()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

TEST_F(RecoveryStore, NamesAreStableForEverySpellingAndDistinctForOtherPaths)
{
    const QString name = recoveryName(scenario(u"Harbour.scn"_s));
    EXPECT_EQ(name.size(), 40);
    EXPECT_EQ(name, name.toLower());
    EXPECT_EQ(recoveryName(scenarios_.path() + u"/./sub/../Harbour.scn"_s), name);
    EXPECT_EQ(recoveryName(scenarios_.path() + u"//Harbour.scn"_s), name);
    const QString current = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(scenarios_.path()));
    EXPECT_EQ(recoveryName(u"Harbour.scn"_s), name) << "a relative path is taken from the current folder";
    QDir::setCurrent(current);

    EXPECT_NE(recoveryName(scenario(u"Harbour2.scn"_s)), name);
    EXPECT_NE(recoveryName(scenario(u"Sub/Harbour.scn"_s)), name);
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    EXPECT_EQ(recoveryName(scenario(u"harbour.scn"_s)), name);
#else
    EXPECT_NE(recoveryName(scenario(u"harbour.scn"_s)), name) << "two files on this file system";
#endif
}

TEST_F(RecoveryStore, FolderFollowsXdgStateHomeAndFallsBackToLocalState)
{
    const EnvironmentValue keep("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", state_.path().toUtf8());
    EXPECT_EQ(recoveryFolder(), state_.path() + u"/corvane-scenario-editor/recovery"_s);
    const QString fallback = QDir::homePath() + u"/.local/state/corvane-scenario-editor/recovery"_s;
    qputenv("XDG_STATE_HOME", "relative/state");
    EXPECT_EQ(recoveryFolder(), fallback) << "a relative value is ignored";
    qunsetenv("XDG_STATE_HOME");
    EXPECT_EQ(recoveryFolder(), fallback);
}

TEST_F(RecoveryStore, WritesFindsReplacesListsAndRemovesCopies)
{
    const QString harbour = writeScenario(u"Harbour.scn"_s, "saved\r\n");
    const QString quiet = scenario(u"Quiet.scn"_s);
    EXPECT_FALSE(findRecoveryCopy(folder(), harbour));
    EXPECT_TRUE(recoveryCopies(folder()).isEmpty()) << "a missing folder holds no copy";

    const WriteResult first = writeRecoveryCopy(folder(), harbour, "edited\r\n");
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    const auto found = findRecoveryCopy(folder(), harbour);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->scenarioPath, harbour);
    EXPECT_EQ(found->filePath, first.path);
    EXPECT_EQ(contentOf(found->filePath), QByteArray("edited\r\n"));
    EXPECT_TRUE(found->written.isValid());
    EXPECT_EQ(contentOf(harbour), QByteArray("saved\r\n")) << "the scenario itself is untouched";

    ASSERT_TRUE(writeRecoveryCopy(folder(), harbour, "edited again\r\n").ok);
    ASSERT_TRUE(writeRecoveryCopy(folder(), quiet, "quiet\r\n").ok);
    EXPECT_EQ(contentOf(findRecoveryCopy(folder(), harbour)->filePath), QByteArray("edited again\r\n"));
    EXPECT_EQ(folderEntries().size(), 4) << "two files per scenario";

    setModified(findRecoveryCopy(folder(), quiet)->filePath, QDateTime::currentDateTime().addSecs(-60));
    const QList<RecoveryCopy> copies = recoveryCopies(folder());
    ASSERT_EQ(copies.size(), 2);
    EXPECT_EQ(copies[0].scenarioPath, harbour) << "the most recent first";
    EXPECT_EQ(copies[1].scenarioPath, quiet);

    EXPECT_TRUE(removeRecoveryCopy(folder(), harbour));
    EXPECT_FALSE(findRecoveryCopy(folder(), harbour));
    EXPECT_TRUE(findRecoveryCopy(folder(), quiet));
    EXPECT_TRUE(removeRecoveryCopy(folder(), harbour)) << "nothing left to remove";
    EXPECT_TRUE(removeRecoveryCopy(folder(), quiet));
    EXPECT_TRUE(folderEntries().isEmpty());
}

// Only a copy with both files, whose path file names the scenario of its name, counts.
TEST_F(RecoveryStore, PassesOverFilesThatFormNoCopy)
{
    const QString harbour = scenario(u"Harbour.scn"_s);
    ASSERT_TRUE(writeRecoveryCopy(folder(), harbour, "edited").ok);
    const QString quietName = recoveryName(scenario(u"Quiet.scn"_s));
    const QString otherName = recoveryName(scenario(u"Other.scn"_s));
    const auto put = [this](const QString& name, const QByteArray& bytes) {
        ASSERT_TRUE(writeFileSafely(QDir(folder()).filePath(name), bytes).ok);
    };
    put(quietName + u".path"_s, scenario(u"Quiet.scn"_s).toUtf8()); // no copy beside it
    put(otherName + u".scn"_s, "orphan");                           // no path beside it
    put(u"notes.txt"_s, "not ours");
    put(u"0123.path"_s, harbour.toUtf8()); // names a scenario of another name
    put(u"0123.scn"_s, "wrong");
    put(u"empty.path"_s, QByteArray());
    put(u"empty.scn"_s, "x");

    const QList<RecoveryCopy> copies = recoveryCopies(folder());
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(copies[0].scenarioPath, harbour);
    EXPECT_FALSE(findRecoveryCopy(folder(), scenario(u"Quiet.scn"_s)));
    EXPECT_FALSE(findRecoveryCopy(folder(), scenario(u"Other.scn"_s)));
}

TEST_F(RecoveryStore, OffersACopyNewerThanItsScenarioOrWhoseScenarioIsGone)
{
    const QString harbour = writeScenario(u"Harbour.scn"_s, "saved");
    ASSERT_TRUE(writeRecoveryCopy(folder(), harbour, "edited").ok);
    const QString copyFile = findRecoveryCopy(folder(), harbour)->filePath;
    const QDateTime now = QDateTime::currentDateTime();

    setModified(harbour, now.addSecs(-120));
    setModified(copyFile, now.addSecs(-60));
    EXPECT_TRUE(isRecoveryOffered(*findRecoveryCopy(folder(), harbour)));

    setModified(harbour, now.addSecs(-30));
    EXPECT_FALSE(isRecoveryOffered(*findRecoveryCopy(folder(), harbour))) << "saved after the copy";
    setModified(harbour, now.addSecs(-60));
    EXPECT_FALSE(isRecoveryOffered(*findRecoveryCopy(folder(), harbour))) << "same time: not newer";

    ASSERT_TRUE(QFile::remove(harbour));
    EXPECT_TRUE(isRecoveryOffered(*findRecoveryCopy(folder(), harbour)));
}

// A full disk at any point of the write: a first copy leaves no file at all, a later one leaves
// the previous copy whole.
TEST_F(RecoveryStore, AFailedWriteLeavesNoPartialCopy)
{
    const QString harbour = scenario(u"Harbour.scn"_s);
    const qint64 pathSize = harbour.toUtf8().size();
    for (const qint64 freeBytes : {qint64(0), pathSize - 1, pathSize, pathSize + 10}) {
        {
            const SimulatedFullDisk disk(freeBytes);
            const WriteResult result = writeRecoveryCopy(folder(), harbour, QByteArray(100000, 'x'));
            EXPECT_FALSE(result.ok) << freeBytes;
            EXPECT_FALSE(result.error.isEmpty()) << freeBytes;
        }
        EXPECT_FALSE(findRecoveryCopy(folder(), harbour)) << freeBytes;
        EXPECT_EQ(folderEntries(), QStringList()) << freeBytes;
    }

    ASSERT_TRUE(writeRecoveryCopy(folder(), harbour, "first copy").ok);
    for (const qint64 freeBytes : {qint64(0), qint64(50)}) {
        const SimulatedFullDisk disk(freeBytes);
        EXPECT_FALSE(writeRecoveryCopy(folder(), harbour, QByteArray(100000, 'y')).ok);
    }
    const auto kept = findRecoveryCopy(folder(), harbour);
    ASSERT_TRUE(kept);
    EXPECT_EQ(contentOf(kept->filePath), QByteArray("first copy"));
    EXPECT_EQ(folderEntries().size(), 2);
}

TEST_F(RecoveryStore, AFolderThatCannotBeCreatedFailsTheWrite)
{
    const QString blocker = writeScenario(u"file"_s, "x");
    const WriteResult result = writeRecoveryCopy(blocker + u"/recovery"_s, scenario(u"Harbour.scn"_s), "x");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST(RecoveryQuestion, NamesTheFileAndTheLocalDateAndTime)
{
    const QDateTime written(QDate(2026, 12, 9), QTime(19, 5, 42), Qt::LocalTime);
    EXPECT_EQ(recoveryQuestion(u"/sim/Scenarios/Earth Orbit Rendezvous.scn"_s, written, QLocale::c()),
              u"Unsaved changes to Earth Orbit Rendezvous.scn from Wednesday, 9 December 2026 19:05:42 were "
              "recovered. Restore them?"_s);
    const QString german =
        recoveryQuestion(u"Harbour.scn"_s, written, QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(german.startsWith(u"Unsaved changes to Harbour.scn from Mittwoch, 9. Dezember 2026 19:05"_s))
        << german.toStdString();
    const QDateTime utc = written.toUTC();
    EXPECT_EQ(recoveryQuestion(u"Harbour.scn"_s, utc, QLocale::c()),
              recoveryQuestion(u"Harbour.scn"_s, written, QLocale::c()))
        << "shown in local time";
}

} // namespace

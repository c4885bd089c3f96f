// `cmake --install` into a DESTDIR: every file the desktop and the package need is there, the
// desktop validators accept the menu entry and the metainfo, and the installed programs find
// their data from wherever they are installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

const QString kAppId = QStringLiteral("org.corvane.ScenarioEditor");

struct ProgramRun
{
    int exitCode = -1;
    QString out;
};

ProgramRun runProgram(const QString& program, const QStringList& arguments, const QString& folder = QString())
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAll());
    return run;
}

// One installation under /usr in a DESTDIR, made once for the suite.
class InstallTree : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        destdir_ = new QTemporaryDir;
        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", destdir_->path());
        install.setProcessEnvironment(environment);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(CORVANE_CMAKE_COMMAND),
                      {"--install", CORVANE_BINARY_DIR, "--prefix", "/usr"});
        installed_ = install.waitForFinished(120000) && install.exitStatus() == QProcess::NormalExit &&
                     install.exitCode() == 0;
        installLog_ = new QString(QString::fromLocal8Bit(install.readAll()));
    }
    static void TearDownTestSuite()
    {
        delete destdir_;
        delete installLog_;
    }
    void SetUp() override { ASSERT_TRUE(installed_) << installLog_->toStdString(); }

    static QString usr(const QString& path) { return destdir_->path() + "/usr/" + path; }

private:
    static inline QTemporaryDir* destdir_ = nullptr;
    static inline QString* installLog_ = nullptr;
    static inline bool installed_ = false;
};

TEST_F(InstallTree, HoldsTheProgramsTheirDataAndTheDesktopFiles)
{
    const QStringList files{
        "bin/corvane-scenario-editor",
        "bin/corvane-scn",
        "share/corvane-scenario-editor/Corvane Scenario Editor v109.hlp",
        "share/applications/" + kAppId + ".desktop",
        "share/metainfo/" + kAppId + ".metainfo.xml",
        "share/mime/packages/" + kAppId + ".xml",
        "share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
        "share/man/man1/corvane-scn.1",
    };
    for (const QString& file : files)
        EXPECT_TRUE(QFileInfo(usr(file)).isFile()) << file.toStdString();
    for (const char* program : {"bin/corvane-scenario-editor", "bin/corvane-scn"})
        EXPECT_TRUE(QFileInfo(usr(program)).isExecutable()) << program;

    // The whole sample installation, file for file.
    const QString sample = QStringLiteral(CORVANE_SAMPLE_DIR);
    int count = 0;
    QDirIterator it(sample, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = it.next().mid(sample.size());
        EXPECT_TRUE(QFileInfo(usr("share/corvane-scenario-editor/sample" + relative)).isFile())
            << relative.toStdString();
        ++count;
    }
    EXPECT_GT(count, 30);

    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString png =
            usr(QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(size) + kAppId + ".png");
        const QImage image(png);
        EXPECT_EQ(image.size(), QSize(size, size)) << png.toStdString();
        EXPECT_LT(image.pixelColor(0, 0).alpha(), 128) << "rounded corners are transparent";
        EXPECT_EQ(image.pixelColor(size / 2, size / 2 + size / 32).alpha(), 255);
    }
    QFile svg(usr("share/icons/hicolor/scalable/apps/" + kAppId + ".svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), u"svg");
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

TEST_F(InstallTree, TheDesktopValidatorsAcceptTheInstalledFiles)
{
    const QString desktop = usr("share/applications/" + kAppId + ".desktop");
    ProgramRun run = runProgram("desktop-file-validate", {desktop});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << "not even a hint: " << run.out.toStdString();
    run = runProgram("appstreamcli",
                     {"validate", "--no-net", usr("share/metainfo/" + kAppId + ".metainfo.xml")});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();

    QFile entry(desktop);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    for (const char* line : {"Exec=corvane-scenario-editor %f\n", "Icon=org.corvane.ScenarioEditor\n",
                             "MimeType=application/x-corvane-scenario;\n"})
        EXPECT_TRUE(text.contains(line)) << line;
}

// The MIME database built from our package alone (as the package's trigger builds the system's)
// names scenario files by their extension and tells them from other *.scn files by content.
TEST_F(InstallTree, TheMimePackageNamesScenarioFiles)
{
    const QString mime = usr("share/mime");
    const ProgramRun run = runProgram("update-mime-database", {mime});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString();
    QFile globs(mime + "/globs2");
    ASSERT_TRUE(globs.open(QIODevice::ReadOnly));
    EXPECT_TRUE(globs.readAll().contains("50:application/x-corvane-scenario:*.scn\n"));
    QFile magic(mime + "/magic");
    ASSERT_TRUE(magic.open(QIODevice::ReadOnly));
    const QByteArray rules = magic.readAll();
    EXPECT_TRUE(rules.contains("[50:application/x-corvane-scenario]") && rules.contains("BEGIN_DESC"));
}

TEST_F(InstallTree, TheInstalledProgramsFindTheirDataFromAnyFolder)
{
    QTemporaryDir empty;
    ProgramRun run = runProgram(usr("bin/corvane-scenario-editor"), {"--print-paths"}, empty.path());
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.endsWith(
        "help file: " + usr("share/corvane-scenario-editor/Corvane Scenario Editor v109.hlp") + "\n"))
        << run.out.toStdString();
    run = runProgram(usr("bin/corvane-scn"),
                     {"check", "--sim", usr("share/corvane-scenario-editor/sample"),
                      usr("share/corvane-scenario-editor/sample/Scenarios/Tutorials/First Launch.scn")},
                     empty.path());
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(QDir(empty.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
}

} // namespace

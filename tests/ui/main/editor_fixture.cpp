#include "editor_fixture.h"

#include "catalogue/start_folders.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QPushButton>

void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            ASSERT_TRUE(QFile::copy(path, target)) << path.toStdString();
    }
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QByteArray runScenarioTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(CORVANE_SCN_BINARY), arguments);
    EXPECT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    return tool.readAllStandardOutput();
}

void EditorTest::SetUp()
{
    ASSERT_TRUE(tmp.isValid());
    workingFolder_ = QDir::currentPath();
    progDir = tmp.filePath(QStringLiteral("run"));
    simDir = tmp.filePath(QStringLiteral("Corvane"));
    QDir().mkpath(progDir);
    configHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", tmp.filePath(QStringLiteral("config")).toUtf8());
    stateHome_ = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", tmp.filePath(QStringLiteral("state")).toUtf8());
    copyTree(QStringLiteral(CORVANE_SAMPLE_DIR), simDir);
    messages.reset();
    messages.setResponder([this](const UserMessage& message) {
        if (answers_.isEmpty()) {
            ADD_FAILURE() << "unexpected message: " << message.title.toStdString() << ": "
                          << message.text.toStdString();
            return message.buttons == MessageButtons::YesNo      ? MessageAnswer::No
                   : message.buttons == MessageButtons::Ok       ? MessageAnswer::Ok
                                                                 : MessageAnswer::Cancel;
        }
        return answers_.dequeue();
    });
    messages.setModalResponder([this](QDialog& dialog) {
        if (dialogs_.isEmpty()) {
            ADD_FAILURE() << "unexpected dialog: " << dialog.objectName().toStdString();
            return int(QDialog::Rejected);
        }
        return dialogs_.dequeue()(dialog);
    });
    writeSettings(simDir);
}

void EditorTest::TearDown()
{
    vex.reset();
    EXPECT_TRUE(answers_.isEmpty()) << "answers left: " << answers_.size();
    EXPECT_TRUE(dialogs_.isEmpty()) << "dialog handlers left: " << dialogs_.size();
    messages.reset();
    QDir::setCurrent(workingFolder_);
    qputenv("XDG_CONFIG_HOME", configHome_);
    qputenv("XDG_STATE_HOME", stateHome_);
}

void EditorTest::answer(std::initializer_list<MessageAnswer> answers)
{
    for (MessageAnswer a : answers)
        answers_.enqueue(a);
}

void EditorTest::onDialog(std::function<int(QDialog&)> handler)
{
    dialogs_.enqueue(std::move(handler));
}

void EditorTest::writeSettings(const QString& line)
{
    QFile file(progDir + QStringLiteral("/vex.cfg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(line.toUtf8() + "\r\n");
}

Vex& EditorTest::startEditor(const QString& scenarioFile)
{
    vex = std::make_unique<Vex>(progDir);
    vex->show();
    vex->start(scenarioFile);
    return *vex;
}

QString EditorTest::userSettingsFile() const
{
    return userConfigFolder() + QStringLiteral("/vex.cfg");
}

void EditorTest::openScenario(const QString& folder, const QString& name)
{
    onDialog([this, folder, name](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("LoadFile"));
        auto* folders = child<FolderList>(&dialog, "Dir1");
        auto* files = child<FileList>(&dialog, "FilelisttoLoad");
        folders->setPath(scenarioRoot() + QLatin1Char('/') + folder);
        const int index = int(files->names().indexOf(name));
        EXPECT_GE(index, 0) << name.toStdString();
        files->setCurrentIndex(index);
        child<QPushButton>(&dialog, "Command1")->click();
        return dialog.result();
    });
    vex->menuItem(QStringLiteral("Menu12"))->trigger();
}

QStringList EditorTest::messageTexts() const
{
    QStringList texts;
    for (const UserMessage& message : messages.shownMessages())
        texts.append(message.text);
    return texts;
}

void expectMessage(const UserMessage& shown, const UserMessage& expected)
{
    EXPECT_EQ(shown.title, expected.title);
    EXPECT_EQ(shown.text, expected.text);
    EXPECT_EQ(shown.buttons, expected.buttons) << shown.text.toStdString();
    EXPECT_EQ(shown.icon, expected.icon) << shown.text.toStdString();
}

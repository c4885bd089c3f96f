#include "tools_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

void saveScreenshot(QWidget& window, const QString& name)
{
    const QString folder = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void MessageScript::SetUp()
{
    MessageService::instance().reset();
    // A question nobody scripted must fail the test, not wait for a click.
    MessageService::instance().setResponder([](const UserMessage& message) {
        ADD_FAILURE() << "unexpected message box: " << message.title.toStdString();
        return MessageAnswer::Cancel;
    });
    MessageService::instance().setInputResponder([](const MessageService::InputRequest& request) {
        ADD_FAILURE() << "unexpected input box: " << request.title.toStdString();
        return QString();
    });
}

void MessageScript::TearDown()
{
    MessageService::instance().reset();
}

void MessageScript::answerQuestions(MessageAnswer answer)
{
    messages().setResponder([answer](const UserMessage& message) {
        return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    });
}

void MessageScript::answerInput(const QString& text)
{
    messages().setInputResponder([text](const MessageService::InputRequest&) { return text; });
}

QStringList MessageScript::shownTitles() const
{
    QStringList titles;
    for (const UserMessage& message : MessageService::instance().shownMessages())
        titles.append(message.title);
    return titles;
}

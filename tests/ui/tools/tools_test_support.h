#pragma once

#include "ui/message_service.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <ostream>

using namespace Qt::StringLiterals;

class QWidget;

// Readable failure output for the Qt text types.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{' << list.join(QStringLiteral(" | ")).toStdString() << '}';
}

// Saves a picture of the window into $CORVANE_SCREENSHOT_DIR (when set) as name + ".png".
void saveScreenshot(QWidget& window, const QString& name);

// Writes a file with the given bytes, creating its folders.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray fileBytes(const QString& path);

// A simulator folder in a temporary directory: "<sim>/Scenarios/" is the scenario root.
struct ScenarioTree
{
    QTemporaryDir dir;
    QString sim() const { return dir.path(); }
    QString root() const { return dir.path() + QStringLiteral("/Scenarios"); }
    QString at(const QString& relative) const { return root() + u'/' + relative; }
};

// Scripts the message service for one test and forgets everything afterwards.
class MessageScript : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static MessageService& messages() { return MessageService::instance(); }
    // Every question is answered with `answer`; OK-only boxes get OK.
    void answerQuestions(MessageAnswer answer);
    // The input box returns `text`.
    void answerInput(const QString& text);
    // Titles of the message boxes shown, in order.
    QStringList shownTitles() const;
};

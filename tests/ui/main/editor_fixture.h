#pragma once

#include "ui/main_window.h"
#include "ui/message_service.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QQueue>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// One editor run in a temporary folder: the start folder (with vex.cfg), the user's
// configuration folder (XDG_CONFIG_HOME, empty) and a copy of the sample simulator. Every message box and
// modal dialog goes through the message service; a message or dialog that the test did not script fails the
// test instead of blocking it.
class EditorTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The answers to the next messages, in order.
    void answer(std::initializer_list<MessageAnswer> answers);
    // The handlers of the next modal dialogs, in order; each returns the dialog's result.
    void onDialog(std::function<int(QDialog&)> handler);

    // vex.cfg in the start folder, holding `line`.
    void writeSettings(const QString& line);
    // A started editor (settings pointing at the sample copy unless written otherwise), given
    // `scenarioFile` as on its command line.
    Vex& startEditor(const QString& scenarioFile = QString());
    // Files, Open with the open dialog driven to `folder` (relative to the scenario root) and
    // the file `name`, loaded with the Load button.
    void openScenario(const QString& folder, const QString& name);

    QString scenarioRoot() const { return simDir + QStringLiteral("/Scenarios"); }
    // vex.cfg in the user's configuration folder, used when the start folder has none.
    QString userSettingsFile() const;
    QStringList messageTexts() const;

    QTemporaryDir tmp;
    QString progDir;
    QString simDir;
    std::unique_ptr<Vex> vex;
    MessageService& messages = MessageService::instance();

private:
    QQueue<MessageAnswer> answers_;
    QQueue<std::function<int(QDialog&)>> dialogs_;
    QString workingFolder_;
    QByteArray configHome_;
    QByteArray stateHome_;
};

// Copies a folder tree.
void copyTree(const QString& from, const QString& to);
QByteArray fileBytes(const QString& path);
// Runs the command-line tool; its standard output.
QByteArray runScenarioTool(const QStringList& arguments);

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Title, text, buttons and icon of a message shown.
void expectMessage(const UserMessage& shown, const UserMessage& expected);

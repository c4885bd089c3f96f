#pragma once

#include <QString>

// A message box as the editor's rules describe it: title, text, buttons and icon. The core
// says what to ask; the window's message service shows it (and tests answer it).
enum class MessageIcon { None, Question, Exclamation, Information, Stop };
// YesNoCancel and ValidateDiscardCancel put questions before work could be lost: Cancel (or
// closing the box) leaves everything as it was.
enum class MessageButtons { Ok, YesNo, OkCancel, YesNoCancel, ValidateDiscardCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Validate, Discard };

struct UserMessage
{
    QString title;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// Whoever can put a question to the user: the window's message service, or a test script.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;
    virtual MessageAnswer ask(const UserMessage& message) = 0;

    // Shows a message that has only an OK button.
    void inform(const UserMessage& message) { ask(message); }
    // Whether the user went on: Yes for Yes/No questions, OK for OK/Cancel ones.
    bool confirm(const UserMessage& message)
    {
        const MessageAnswer answer = ask(message);
        return answer == MessageAnswer::Yes || answer == MessageAnswer::Ok;
    }
};

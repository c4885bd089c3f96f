#pragma once

#include "editing/user_message.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QDialog;

// The one way the editor talks to the user modally: message boxes, the input box and every
// modal dialog go through here. The whole editor shares one instance; tests replace the real
// boxes by responders and read back what was shown, so no test ever waits on a modal loop.
class MessageService : public UserDialogs
{
public:
    struct InputRequest
    {
        QString prompt;
        QString title;
        QString defaultText;
    };

    using Responder = std::function<MessageAnswer(const UserMessage&)>;
    using InputResponder = std::function<QString(const InputRequest&)>;
    using ModalResponder = std::function<int(QDialog&)>;

    static MessageService& instance();

    // A message box with the message's title, text, buttons and icon; the button pressed.
    // Closing the box without a button counts as No (Yes/No), Cancel (OK/Cancel) or OK.
    MessageAnswer ask(const UserMessage& message) override;
    // An input box; the empty text when cancelled.
    QString inputText(const QString& prompt, const QString& title, const QString& defaultText);
    // Runs a dialog modally (QDialog::exec) and returns its result code.
    int runModal(QDialog& dialog);

    // Test seams: when set, the responder answers in place of the real box or dialog.
    void setResponder(Responder responder);
    void setInputResponder(InputResponder responder);
    void setModalResponder(ModalResponder responder);
    // Removes every responder and forgets what was shown.
    void reset();

    // What was shown since the last reset, in order; dialogs by objectName.
    const QVector<UserMessage>& shownMessages() const { return shownMessages_; }
    const QVector<InputRequest>& shownInputs() const { return shownInputs_; }
    const QStringList& shownDialogs() const { return shownDialogs_; }

private:
    MessageService() = default;

    Responder responder_;
    InputResponder inputResponder_;
    ModalResponder modalResponder_;
    QVector<UserMessage> shownMessages_;
    QVector<InputRequest> shownInputs_;
    QStringList shownDialogs_;
};

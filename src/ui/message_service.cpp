#include "message_service.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::ValidateDiscardCancel:
        return QMessageBox::Discard | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(int button, MessageButtons buttons)
{
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Discard:
        return MessageAnswer::Discard;
    default:
        break;
    }
    // Closed through the window frame or Escape: the answer that does not go on.
    switch (buttons) {
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
    case MessageButtons::ValidateDiscardCancel:
        return MessageAnswer::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return MessageAnswer::Ok;
}

} // namespace

MessageService& MessageService::instance()
{
    static MessageService service;
    return service;
}

MessageAnswer MessageService::ask(const UserMessage& message)
{
    shownMessages_.append(message);
    if (responder_)
        return responder_(message);

    QMessageBox box(boxIcon(message.icon), message.title, message.text, boxButtons(message.buttons),
                    QApplication::activeWindow());
    if (message.buttons == MessageButtons::YesNo || message.buttons == MessageButtons::YesNoCancel)
        box.setDefaultButton(QMessageBox::Yes);
    else if (message.buttons == MessageButtons::OkCancel)
        box.setDefaultButton(QMessageBox::Ok);
    if (message.buttons == MessageButtons::ValidateDiscardCancel) {
        QPushButton* validate = box.addButton(QStringLiteral("&Validate"), QMessageBox::AcceptRole);
        validate->setObjectName(QStringLiteral("Validate"));
        box.setDefaultButton(validate);
        box.setEscapeButton(QMessageBox::Cancel);
        box.exec();
        if (box.clickedButton() == validate)
            return MessageAnswer::Validate;
        return answerOf(box.standardButton(box.clickedButton()), message.buttons);
    }
    return answerOf(box.exec(), message.buttons);
}

QString MessageService::inputText(const QString& prompt, const QString& title, const QString& defaultText)
{
    const InputRequest request{prompt, title, defaultText};
    shownInputs_.append(request);
    if (inputResponder_)
        return inputResponder_(request);

    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    if (box.exec() != QDialog::Accepted)
        return QString();
    return box.textValue();
}

int MessageService::runModal(QDialog& dialog)
{
    shownDialogs_.append(dialog.objectName());
    if (modalResponder_)
        return modalResponder_(dialog);
    return dialog.exec();
}

void MessageService::setResponder(Responder responder)
{
    responder_ = std::move(responder);
}

void MessageService::setInputResponder(InputResponder responder)
{
    inputResponder_ = std::move(responder);
}

void MessageService::setModalResponder(ModalResponder responder)
{
    modalResponder_ = std::move(responder);
}

void MessageService::reset()
{
    responder_ = nullptr;
    inputResponder_ = nullptr;
    modalResponder_ = nullptr;
    shownMessages_.clear();
    shownInputs_.clear();
    shownDialogs_.clear();
}

#include "ui/message_service.h"

#include <gtest/gtest.h>

#include <QDialog>

namespace {

TEST(MessageService, ResponderAnswersAndEveryShownMessageInputAndDialogIsRecorded)
{
    MessageService& service = MessageService::instance();
    service.reset();
    service.setResponder([](const UserMessage& message) {
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Cancel;
    });
    service.setInputResponder([](const MessageService::InputRequest& request) { return request.defaultText + "!"; });
    service.setModalResponder([](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    });

    EXPECT_TRUE(service.confirm({"T", "Sure?", MessageButtons::YesNo, MessageIcon::Question}));
    EXPECT_FALSE(service.confirm({"T", "Go on?", MessageButtons::OkCancel, MessageIcon::Question}));
    service.inform({"Note", "Done.", MessageButtons::Ok, MessageIcon::Information});
    EXPECT_EQ(service.inputText("Folder name", "New folder", "Scenarios"), "Scenarios!");
    QDialog dialog;
    dialog.setObjectName("Probe");
    EXPECT_EQ(service.runModal(dialog), QDialog::Accepted);

    ASSERT_EQ(service.shownMessages().size(), 3);
    EXPECT_EQ(service.shownMessages().at(2).title, "Note");
    EXPECT_EQ(service.shownMessages().at(2).icon, MessageIcon::Information);
    ASSERT_EQ(service.shownInputs().size(), 1);
    EXPECT_EQ(service.shownInputs().first().prompt, "Folder name");
    EXPECT_EQ(service.shownInputs().first().title, "New folder");
    EXPECT_EQ(service.shownDialogs(), QStringList{"Probe"});

    service.reset();
    EXPECT_TRUE(service.shownMessages().isEmpty());
    EXPECT_TRUE(service.shownInputs().isEmpty());
    EXPECT_TRUE(service.shownDialogs().isEmpty());
}

} // namespace

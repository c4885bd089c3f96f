#include "document/file_text_checks.h"
#include "editing/save_text_checks.h"
#include "editing_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SaveTextChecks, DescriptionsThatWouldReadBackCutAreRefusedNamingTheLine)
{
    EXPECT_TRUE(
        descriptionRefusal(u"A run.\r\n  END_DESC is the end marker\r\n  BEGIN_SHIPS\r\n"_s).isEmpty());
    const QString ends = descriptionRefusal(u"First\r\n end_desc \r\nShips after\r\n"_s);
    EXPECT_TRUE(ends.contains(u"\"end_desc\", which would end the description"_s)) << ends.toStdString();
    const QString opens = descriptionRefusal(u"First\nBEGIN_SHIPS"_s);
    EXPECT_TRUE(opens.contains(u"\"BEGIN_SHIPS\", which would open a section"_s)) << opens.toStdString();

    Scenario doc;
    doc.description = u"Harbour run\r\nEND_DESC\r\n"_s;
    ScriptedDialogs dialogs;
    EXPECT_FALSE(checkTextBeforeSaving(doc, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].text.contains(u"END_DESC"_s));
}

TEST(SaveTextChecks, CharactersTheFileCannotHoldAreNamedAndWrittenOnlyWhenTheUserAgrees)
{
    EXPECT_EQ(unwritableCharacters(u"Ωmega Δ Жук € é ? Ω"_s), u"ΩΔЖук"_s);
    EXPECT_TRUE(unwritableCharacters(u"Café – “quoted” €"_s).isEmpty());

    Scenario doc;
    doc.description = u"Ωmega\r\n"_s;
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        ScriptedDialogs dialogs;
        dialogs.answers = {answer};
        EXPECT_EQ(checkTextBeforeSaving(doc, dialogs), answer == MessageAnswer::Yes);
        ASSERT_EQ(dialogs.shown.size(), 1);
        EXPECT_TRUE(dialogs.shown[0].text.contains(u": Ω."_s)) << dialogs.shown[0].text.toStdString();
    }
    doc.description = u"Plain\r\n"_s;
    ScriptedDialogs quiet;
    EXPECT_TRUE(checkTextBeforeSaving(doc, quiet));
    EXPECT_TRUE(quiet.shown.isEmpty());
}

// The hints shown while typing say what Save will do: refuse a line, ask about characters.
TEST(SaveTextChecks, HintsWhileTypingNameWhatSaveWillRefuseOrAskAbout)
{
    EXPECT_EQ(unwritableCharactersHint(u"Жук Ω Жук"_s),
              u"The scenario file cannot hold these characters: Ж у к Ω. Save asks before writing each as \"?\"."_s);
    EXPECT_TRUE(unwritableCharactersHint(u"Café €"_s).isEmpty());

    const QString both = descriptionHint(u"Ωmega\r\nEND_DESC\r\n"_s);
    const QStringList lines = both.split(u'\n');
    ASSERT_EQ(lines.size(), 2) << both.toStdString();
    EXPECT_TRUE(lines[0].contains(u"END_DESC"_s));
    EXPECT_TRUE(lines[1].contains(u": Ω."_s));
    EXPECT_TRUE(descriptionHint(u"Café €\r\nThe word END_DESC within a line\r\n"_s).isEmpty());
}

#include "tools_test_support.h"
#include "ui/help_viewer.h"

#include <QScrollBar>
#include <QTextBrowser>

namespace {

const QString kHelpFile = QStringLiteral(CORVANE_SOURCE_DIR "/help/Corvane Scenario Editor v109.hlp");

class HelpViewer : public MessageScript
{
};

TEST_F(HelpViewer, ShowsTheGuideWithTheCoordinateDefinitionInOneWindow)
{
    QWidget main;
    showHelp(kHelpFile, &main);
    showHelp(kHelpFile, &main);
    ASSERT_EQ(main.findChildren<QWidget*>(u"HelpViewer"_s).size(), 1);
    QWidget* window = main.findChild<QWidget*>(u"HelpViewer"_s);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(messages().shownMessages().isEmpty());
    const QString text = window->findChild<QTextBrowser*>(u"HelpText"_s)->toPlainText();
    for (const char* topic : {"Description, environment and focus", "Orbital station list", "Ship list",
                              "Corvane Folder Search", "Scenario folder management", "Delete a scenario file",
                              "Planetary system information", "BEGIN_SHIPS", "description.txt"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(topic))) << topic;
    saveScreenshot(*window, u"help_viewer"_s);

    // The converter's note "See in help for coordinate definition" leads here.
    auto* browser = window->findChild<QTextBrowser*>(u"HelpText"_s);
    browser->scrollToAnchor(u"coordinates"_s);
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(text.contains(u"Coordinate definition"_s));
    saveScreenshot(*window, u"help_viewer_coordinates"_s);
    window->close();
}

TEST_F(HelpViewer, AMissingFileIsReportedAndNothingElseHappens)
{
    answerQuestions(MessageAnswer::Ok);
    QWidget main;
    showHelp(u"/nonexistent/Corvane Scenario Editor v109.hlp"_s, &main);
    EXPECT_EQ(main.findChild<QWidget*>(u"HelpViewer"_s), nullptr);
    ASSERT_EQ(messages().shownMessages().size(), 1);
    EXPECT_TRUE(messages().shownMessages().first().text.contains(u"Corvane Scenario Editor v109.hlp"_s));
}

} // namespace

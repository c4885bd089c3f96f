#include "editing/status_texts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(StatusTexts, SavedNamesTheFileAndCountsInSingularOrPlural)
{
    struct Case
    {
        QString file;
        int stations;
        int ships;
        QString expected;
    };
    const Case cases[] = {
        {u"Harbour.scn"_s, 3, 12, u"Saved Harbour.scn: 3 stations, 12 ships"_s},
        {u"Harbour.scn"_s, 1, 1, u"Saved Harbour.scn: 1 station, 1 ship"_s},
        {u"Harbour.scn"_s, 0, 2, u"Saved Harbour.scn: 0 stations, 2 ships"_s},
        {u"/sim/Scenarios/Earth Orbit Rendezvous.scn"_s, 2, 1,
         u"Saved Earth Orbit Rendezvous.scn: 2 stations, 1 ship"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(savedStatusText(c.file, c.stations, c.ships), c.expected) << c.expected.toStdString();
}

// Names are shown as stored, also when they hold a "%1" that a second arg() would replace.
TEST(StatusTexts, ValidationUndoAndRedoTextsKeepTheNameAsItIs)
{
    EXPECT_EQ(stationValidatedText(u"Gateway"_s), u"Station Gateway validated"_s);
    EXPECT_EQ(shipValidatedText(u"Nightjar %1"_s), u"Ship Nightjar %1 validated"_s);
    EXPECT_EQ(undoneText(u"validate ship Nightjar"_s), u"Undone: validate ship Nightjar"_s);
    EXPECT_EQ(redoneText(u"delete station Gateway"_s), u"Redone: delete station Gateway"_s);
}

} // namespace

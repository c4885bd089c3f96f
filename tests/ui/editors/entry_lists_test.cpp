#include "editor_workspace.h"
#include "ui/form_controls.h"
#include "ui/ship_tab.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

// Counts the refills of a list: every refill removes and inserts rows of its model.
class Refills
{
public:
    explicit Refills(QComboBox* box)
        : removed_(box->model(), &QAbstractItemModel::rowsRemoved),
          inserted_(box->model(), &QAbstractItemModel::rowsInserted)
    {
    }
    qsizetype count() const { return removed_.count() + inserted_.count(); }

private:
    QSignalSpy removed_;
    QSignalSpy inserted_;
};

QStringList entries(const QComboBox& box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts.append(box.itemText(i));
    return texts;
}

TEST(EntryLists, AListIsRefilledOnlyWhenItsEntriesDifferAndSelectsEitherWay)
{
    QComboBox box;
    const QStringList names{"Nightjar", "Pathfinder", "Moonhopper"};
    EXPECT_TRUE(showEntries(&box, names, 1));
    EXPECT_EQ(box.currentIndex(), 1);

    Refills refills(&box);
    QSignalSpy selections(&box, &QComboBox::currentIndexChanged);
    EXPECT_FALSE(showEntries(&box, names, 1));
    EXPECT_EQ(selections.count(), 0) << "nothing changed, nothing is told";
    // An equal list built anew is as unchanged as the same one.
    EXPECT_FALSE(showEntries(&box, QStringList{"Nightjar", "Pathfinder", "Moonhopper"}, 2));
    EXPECT_EQ(box.currentIndex(), 2);
    EXPECT_FALSE(showEntries(&box, names, 7));
    EXPECT_EQ(box.currentIndex(), -1) << "a selection out of range selects nothing";
    EXPECT_EQ(refills.count(), 0);

    EXPECT_TRUE(showEntries(&box, QStringList{"Nightjar", "Pathfinder II", "Moonhopper"}, 1));
    EXPECT_EQ(entries(box), (QStringList{"Nightjar", "Pathfinder II", "Moonhopper"}));
    EXPECT_EQ(box.currentText(), "Pathfinder II");
    EXPECT_TRUE(showEntries(&box, QStringList{}, 0));
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(box.currentIndex(), -1);

    // Entries changed behind its back (not through showEntries) are replaced all the same.
    showEntries(&box, names, 0);
    box.addItem("Drifter");
    EXPECT_TRUE(showEntries(&box, names, 0));
    EXPECT_EQ(entries(box), names);
}

// An added, deleted or renamed ship changes one entry of thousands: only that row of the list
// is replaced, wherever it stands, and the list then holds exactly the new entries.
TEST(EntryLists, OnlyTheEntriesThatDifferAreReplaced)
{
    QStringList names;
    for (int i = 0; i < 1000; ++i)
        names << QStringLiteral("Ship %1").arg(i);
    QComboBox box;
    showEntries(&box, names, 0);

    QSignalSpy removed(box.model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(box.model(), &QAbstractItemModel::rowsInserted);
    QStringList added = names;
    added.insert(500, QStringLiteral("Newcomer"));
    EXPECT_TRUE(showEntries(&box, added, 500));
    EXPECT_EQ(removed.count(), 0);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 500);
    EXPECT_EQ(inserted[0][2].toInt(), 500);
    EXPECT_EQ(entries(box), added);
    EXPECT_EQ(box.currentText(), "Newcomer");

    inserted.clear();
    QStringList renamed = added;
    renamed.removeFirst();
    renamed.back() = QStringLiteral("Last renamed");
    EXPECT_TRUE(showEntries(&box, renamed, 0));
    EXPECT_EQ(entries(box), renamed);
    EXPECT_LE(removed.count() + inserted.count(), 2) << "one stretch from the first entry to the last";

    // Entries repeated at the join of head and tail: the stretch is found all the same.
    EXPECT_TRUE(showEntries(&box, QStringList{"A", "A", "A"}, 0));
    EXPECT_TRUE(showEntries(&box, QStringList{"A", "A"}, 0));
    EXPECT_EQ(entries(box), (QStringList{"A", "A"}));
    EXPECT_TRUE(showEntries(&box, QStringList{"A", "B", "A"}, 1));
    EXPECT_EQ(entries(box), (QStringList{"A", "B", "A"}));
}

// A click that changes no ship leaves the ship list as it is; a rename refills it. The shown
// text stays the form's, refilled or not.
TEST(EntryLists, TheShipListIsRefilledOnlyWhenAShipListEntryChanged)
{
    Workspace ws;
    openWorkspace(ws, sampleFolder(), kRendezvousScenario);
    ScriptedDialogs dialogs;
    ShipTab tab(ws, dialogs);
    tab.show();
    auto* names = tab.findChild<QComboBox*>("ShipName");
    ASSERT_NE(names, nullptr);

    Refills refills(names);
    QTest::mouseClick(tab.findChild<QAbstractButton*>("OrbitingShipOption"), Qt::LeftButton);
    QTest::keyClick(names, Qt::Key_Down);
    QTest::keyClick(names, Qt::Key_Up);
    EXPECT_EQ(refills.count(), 0);
    EXPECT_EQ(names->currentText(), "Nightjar");

    names->lineEdit()->selectAll();
    QTest::keyClicks(names->lineEdit(), "Nightjar II");
    QTest::mouseClick(tab.findChild<QAbstractButton*>("Command4"), Qt::LeftButton);
    EXPECT_GT(refills.count(), 0);
    EXPECT_EQ(names->itemText(0), "Nightjar II");
    EXPECT_EQ(names->currentText(), "Nightjar II");
    ASSERT_EQ(dialogs.shown.size(), 1) << "the focus ship was renamed away: its warning";
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("As the user-controled ship"));
}

} // namespace

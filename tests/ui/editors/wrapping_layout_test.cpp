#include "ui/wrapping_layout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// The columns as one readable text: "2: 150 250".
std::string shown(const WrappedColumns& columns)
{
    std::string text = std::to_string(columns.count) + ":";
    for (int width : columns.widths)
        text += " " + std::to_string(width);
    return text;
}

TEST(WrapColumns, AsManyColumnsAsFitTheirWidestItemsAndTheRoomLeftSharedByStretch)
{
    struct Case
    {
        const char* name;
        QVector<int> preferred;
        QVector<int> stretch;
        int available;
        const char* expected;
    };
    const Case cases[] = {
        {"three fit exactly", {100, 100, 100}, {1, 1, 1}, 320, "3: 100 100 100"},
        {"three with room to share", {100, 100, 100}, {1, 1, 1}, 350, "3: 110 110 110"},
        {"one pixel short of three", {100, 100, 100}, {1, 1, 1}, 319, "2: 154 155"},
        {"too narrow for two", {100, 100, 100}, {1, 1, 1}, 209, "1: 209"},
        {"narrower than one item", {100, 100, 100}, {1, 1, 1}, 60, "1: 60"},
        {"room by stretch", {100, 100}, {1, 3}, 250, "2: 110 130"},
        {"no stretch shares equally", {100, 100}, {0, 0}, 250, "2: 120 120"},
        {"a stretch of 0 takes none", {100, 100}, {0, 2}, 250, "2: 100 140"},
        // Wrapped into two columns, the third item sits under the first: that column is as wide
        // as the wider of the two, and its stretch is the larger.
        {"columns as wide as their widest item", {200, 100, 250}, {0, 1, 2}, 400, "2: 276 114"},
        {"no items", {}, {}, 300, "0:"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shown(wrapColumns(c.preferred, c.stretch, 10, c.available)), c.expected) << c.name;
}

// An item of a fixed preferred size that may grow or shrink to a least size.
class Block : public QWidget
{
public:
    Block(QSize preferred, QSize least, bool growsUpright) : preferred_(preferred), least_(least)
    {
        setSizePolicy(QSizePolicy::Preferred, growsUpright ? QSizePolicy::Expanding : QSizePolicy::Preferred);
    }
    QSize sizeHint() const override { return preferred_; }
    QSize minimumSizeHint() const override { return least_; }

private:
    QSize preferred_;
    QSize least_;
};

// Three frames of 200 x 100 (the last one an orbit view that grows upright, least 150 x 60) in a
// page of no margins and a spacing of 10.
class Wrapping : public ::testing::Test
{
protected:
    void SetUp() override
    {
        layout = new WrappingLayout(&page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(10);
        first = new Block({200, 100}, {150, 60}, false);
        second = new Block({200, 100}, {150, 60}, false);
        view = new Block({200, 100}, {150, 60}, true);
        layout->addWidget(first);
        layout->addWidget(second, 2);
        layout->addWidget(view);
    }

    void layOut(QSize size)
    {
        page.resize(size);
        layout->setGeometry(QRect(QPoint(0, 0), size));
    }

    QWidget page;
    WrappingLayout* layout = nullptr;
    Block* first = nullptr;
    Block* second = nullptr;
    Block* view = nullptr;
};

TEST_F(Wrapping, OneRowWhileTheWidthAllowsTwoOrThreeRowsWhenNot)
{
    EXPECT_EQ(layout->sizeHint(), QSize(620, 100));
    EXPECT_EQ(layout->minimumSize(), QSize(150, 60));

    // In one row the orbit view needs only its least height; the row is as tall as the others.
    layOut({720, 100});
    EXPECT_EQ(first->geometry(), QRect(0, 0, 225, 100));
    EXPECT_EQ(second->geometry(), QRect(235, 0, 250, 100));
    EXPECT_EQ(view->geometry(), QRect(495, 0, 225, 100));

    EXPECT_EQ(layout->heightForWidth(619), 210);
    layOut({500, 210});
    EXPECT_EQ(first->geometry(), QRect(0, 0, 230, 100));
    EXPECT_EQ(second->geometry(), QRect(240, 0, 260, 100));
    EXPECT_EQ(view->geometry(), QRect(0, 110, 230, 100));

    EXPECT_EQ(layout->heightForWidth(300), 320);
    layOut({300, 320});
    EXPECT_EQ(view->geometry(), QRect(0, 220, 300, 100));
}

TEST_F(Wrapping, HeightToSpareGoesToTheRowsThatGrowUpright)
{
    layOut({500, 400});
    EXPECT_EQ(first->geometry(), QRect(0, 0, 230, 100));
    EXPECT_EQ(view->geometry(), QRect(0, 110, 230, 290));

    // In one row all items stand as tall as the row, which grows as the view does.
    layOut({700, 300});
    EXPECT_EQ(first->geometry().height(), 300);
    EXPECT_EQ(view->geometry().height(), 300);
}

TEST_F(Wrapping, HiddenItemsTakeNoPlace)
{
    page.show();
    second->hide();
    QApplication::processEvents();
    EXPECT_EQ(layout->sizeHint(), QSize(410, 100));
    layOut({410, 100});
    EXPECT_EQ(view->geometry(), QRect(210, 0, 200, 100));
}

TEST_F(Wrapping, APageInAScrollAreaScrollsDownButNeverSideways)
{
    QScrollArea area;
    area.setWidgetResizable(true);
    area.setWidget(&page);
    area.resize(360, 200);
    area.show();
    QApplication::processEvents();
    EXPECT_EQ(area.horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(area.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(first->width(), area.viewport()->width());

    area.resize(900, 200);
    QApplication::processEvents();
    EXPECT_EQ(area.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(first->geometry().top(), view->geometry().top());
    area.takeWidget();
}

} // namespace

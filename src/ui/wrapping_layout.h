#pragma once

#include <QLayout>
#include <QVector>

// The columns of a grid into which a row of items wraps at one width.
struct WrappedColumns
{
    int count = 0;
    QVector<int> widths;
};

// The most columns in which items laid out in order, row by row, fit `available` at their
// `preferred` widths with `spacing` between columns. A column is as wide as the widest of its
// items; the room left over goes to the columns in proportion to their stretch (the largest of
// their items'), equally when every stretch is 0. When not even two columns fit, one column as
// wide as `available`.
WrappedColumns wrapColumns(const QVector<int>& preferred, const QVector<int>& stretch, int spacing,
                           int available);

// Frames that stand side by side while the width allows and wrap into rows of fewer when it
// does not: a grid of `wrapColumns`, each row as tall as its tallest item at its column's width.
// Its height follows its width (heightForWidth), so a scroll area around a page that holds one
// scrolls down instead of sideways in a narrow window. An item that grows upright (an orbit
// view) needs only its least height while all stand in one row, and has the height it prefers
// once they wrap; height to spare goes to the rows that hold such an item.
class WrappingLayout : public QLayout
{
public:
    explicit WrappingLayout(QWidget* parent = nullptr);
    ~WrappingLayout() override;

    using QLayout::addWidget;
    // `stretch` is the item's share of the width its row has to spare; items added otherwise have 1.
    void addWidget(QWidget* widget, int stretch);
    void addLayout(QLayout* layout, int stretch = 1);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;

private:
    struct Entry
    {
        QLayoutItem* item;
        int stretch;
    };
    struct Arrangement
    {
        QVector<QLayoutItem*> items;
        WrappedColumns columns;
        QVector<int> rowHeights;
        QVector<bool> rowsGrow;
    };

    // The shown items at a width inside the margins.
    Arrangement arrange(int width) const;
    int gap() const;
    QSize marginsSize() const;

    QVector<Entry> entries_;
    mutable int cachedWidth_ = -1;
    mutable int cachedHeight_ = -1;
};

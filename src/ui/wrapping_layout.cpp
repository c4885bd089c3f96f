#include "wrapping_layout.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <numeric>

namespace {

constexpr int kSpacingOfNoStyle = 6;

// The widths of `count` columns: each the widest preferred width among its items.
QVector<int> columnWidths(const QVector<int>& preferred, int count)
{
    QVector<int> widths(count, 0);
    for (qsizetype i = 0; i < preferred.size(); ++i)
        widths[i % count] = std::max(widths[i % count], preferred[i]);
    return widths;
}

} // namespace

WrappedColumns wrapColumns(const QVector<int>& preferred, const QVector<int>& stretch, int spacing,
                           int available)
{
    const int items = static_cast<int>(preferred.size());
    if (items == 0)
        return {};
    for (int count = items; count >= 2; --count) {
        QVector<int> widths = columnWidths(preferred, count);
        const int used = std::accumulate(widths.begin(), widths.end(), 0) + spacing * (count - 1);
        if (used > available)
            continue;
        QVector<int> shares(count, 0);
        for (int i = 0; i < items; ++i)
            shares[i % count] = std::max(shares[i % count], std::max(stretch.value(i, 1), 0));
        if (std::all_of(shares.begin(), shares.end(), [](int share) { return share == 0; }))
            shares.fill(1);
        const int total = std::accumulate(shares.begin(), shares.end(), 0);
        // Shared out by running sums, so that the rounded shares add up to the room exactly.
        const int room = available - used;
        int sharedBefore = 0;
        int sumBefore = 0;
        for (int k = 0; k < count; ++k) {
            sumBefore += shares[k];
            const int sharedUpTo = static_cast<int>(static_cast<qint64>(room) * sumBefore / total);
            widths[k] += sharedUpTo - sharedBefore;
            sharedBefore = sharedUpTo;
        }
        return {count, widths};
    }
    return {1, {available}};
}

WrappingLayout::WrappingLayout(QWidget* parent) : QLayout(parent)
{
}

WrappingLayout::~WrappingLayout()
{
    // Taken out before it is deleted: a nested layout, deleted, asks its parent layout to remove it.
    while (!entries_.isEmpty())
        delete entries_.takeFirst().item;
}

void WrappingLayout::addWidget(QWidget* widget, int stretch)
{
    addChildWidget(widget);
    entries_.append({new QWidgetItem(widget), stretch});
    invalidate();
}

void WrappingLayout::addLayout(QLayout* layout, int stretch)
{
    addChildLayout(layout);
    entries_.append({layout, stretch});
    invalidate();
}

void WrappingLayout::addItem(QLayoutItem* item)
{
    entries_.append({item, 1});
    invalidate();
}

int WrappingLayout::count() const
{
    return static_cast<int>(entries_.size());
}

QLayoutItem* WrappingLayout::itemAt(int index) const
{
    return index >= 0 && index < entries_.size() ? entries_[index].item : nullptr;
}

QLayoutItem* WrappingLayout::takeAt(int index)
{
    if (index < 0 || index >= entries_.size())
        return nullptr;
    QLayoutItem* item = entries_.takeAt(index).item;
    invalidate();
    return item;
}

Qt::Orientations WrappingLayout::expandingDirections() const
{
    Qt::Orientations directions;
    for (const Entry& entry : entries_) {
        if (!entry.item->isEmpty())
            directions |= entry.item->expandingDirections();
    }
    return directions;
}

bool WrappingLayout::hasHeightForWidth() const
{
    return true;
}

int WrappingLayout::gap() const
{
    // The spacing set, else that of the layout or the style around; styles that leave spacing to
    // pairs of controls give none, and then the usual spacing of a form stands in.
    const int space = spacing();
    return space >= 0 ? space : kSpacingOfNoStyle;
}

QSize WrappingLayout::marginsSize() const
{
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}

WrappingLayout::Arrangement WrappingLayout::arrange(int width) const
{
    Arrangement arrangement;
    QVector<int> preferred;
    QVector<int> stretch;
    for (const Entry& entry : entries_) {
        if (entry.item->isEmpty())
            continue;
        arrangement.items.append(entry.item);
        preferred.append(std::max(entry.item->sizeHint().width(), entry.item->minimumSize().width()));
        stretch.append(entry.stretch);
    }
    arrangement.columns = wrapColumns(preferred, stretch, gap(), width);
    const int columns = std::max(arrangement.columns.count, 1);
    // In one row an item that grows upright counts with its least height, as in a box layout, and
    // grows into the height to spare; wrapped into rows, in a narrow window that scrolls down
    // anyway, every item has the height it prefers.
    const bool wrapped = columns < arrangement.items.size();
    for (qsizetype i = 0; i < arrangement.items.size(); ++i) {
        const QLayoutItem* item = arrangement.items[i];
        const int columnWidth = arrangement.columns.widths[i % columns];
        const bool grows = item->expandingDirections().testFlag(Qt::Vertical);
        const bool least = grows && !wrapped;
        const int height =
            item->hasHeightForWidth()
                ? (least ? item->minimumHeightForWidth(columnWidth) : item->heightForWidth(columnWidth))
                : (least ? item->minimumSize().height() : item->sizeHint().height());
        if (i % columns == 0) {
            arrangement.rowHeights.append(0);
            arrangement.rowsGrow.append(false);
        }
        arrangement.rowHeights.last() =
            std::max({arrangement.rowHeights.last(), height, item->minimumSize().height()});
        arrangement.rowsGrow.last() = arrangement.rowsGrow.last() || grows;
    }
    return arrangement;
}

int WrappingLayout::heightForWidth(int width) const
{
    if (width == cachedWidth_)
        return cachedHeight_;
    const Arrangement arrangement = arrange(width - marginsSize().width());
    const int rows = static_cast<int>(arrangement.rowHeights.size());
    const int heights = std::accumulate(arrangement.rowHeights.begin(), arrangement.rowHeights.end(), 0);
    cachedWidth_ = width;
    cachedHeight_ = heights + gap() * std::max(rows - 1, 0) + marginsSize().height();
    return cachedHeight_;
}

QSize WrappingLayout::minimumSize() const
{
    QSize least(0, 0);
    for (const Entry& entry : entries_) {
        if (!entry.item->isEmpty())
            least = least.expandedTo(entry.item->minimumSize());
    }
    return least + marginsSize();
}

QSize WrappingLayout::sizeHint() const
{
    int width = 0;
    int shown = 0;
    for (const Entry& entry : entries_) {
        if (entry.item->isEmpty())
            continue;
        width += std::max(entry.item->sizeHint().width(), entry.item->minimumSize().width());
        ++shown;
    }
    width += gap() * std::max(shown - 1, 0) + marginsSize().width();
    return {width, heightForWidth(width)};
}

void WrappingLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const QRect area = contentsRect();
    Arrangement arrangement = arrange(area.width());
    const int rows = static_cast<int>(arrangement.rowHeights.size());
    const int needed = std::accumulate(arrangement.rowHeights.begin(), arrangement.rowHeights.end(), 0) +
                       gap() * std::max(rows - 1, 0);
    const int growing =
        static_cast<int>(std::count(arrangement.rowsGrow.begin(), arrangement.rowsGrow.end(), true));
    if (area.height() > needed && growing > 0) {
        const int spare = area.height() - needed;
        int given = 0;
        for (int row = 0, seen = 0; row < rows; ++row) {
            if (!arrangement.rowsGrow[row])
                continue;
            ++seen;
            const int upTo = spare * seen / growing;
            arrangement.rowHeights[row] += upTo - given;
            given = upTo;
        }
    }
    const int columns = std::max(arrangement.columns.count, 1);
    const Qt::LayoutDirection direction =
        parentWidget() ? parentWidget()->layoutDirection() : Qt::LeftToRight;
    int top = area.top();
    int left = area.left();
    for (qsizetype i = 0; i < arrangement.items.size(); ++i) {
        const int column = static_cast<int>(i % columns);
        const int row = static_cast<int>(i / columns);
        if (column == 0 && row > 0) {
            top += arrangement.rowHeights[row - 1] + gap();
            left = area.left();
        }
        const int width = arrangement.columns.widths[column];
        const QRect cell(left, top, width, arrangement.rowHeights[row]);
        arrangement.items[i]->setGeometry(QStyle::visualRect(direction, area, cell));
        left += width + gap();
    }
}

void WrappingLayout::invalidate()
{
    cachedWidth_ = -1;
    QLayout::invalidate();
}

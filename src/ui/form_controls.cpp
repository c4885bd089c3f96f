#include "form_controls.h"

#include "name_filter.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <QStringListModel>
#include <QStyle>
#include <QVariant>

#include <algorithm>

QLabel* valueLabel(const QString& name, const QString& toolTip)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setToolTip(toolTip);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(100);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QComboBox* listBox(const QString& name, const QString& toolTip)
{
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setToolTip(toolTip);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    return box;
}

void limitPopupRows(QComboBox* box, int rows)
{
    box->setMaxVisibleItems(rows);
    box->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

void widenToTitle(QWidget* window)
{
    QFont titleFont = window->font();
    titleFont.setBold(true);
    const int titleBarButtons = 4 * window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int wanted = QFontMetrics(titleFont).horizontalAdvance(window->windowTitle()) + titleBarButtons;
    // A window whose layout fixes its size takes the width from its layout, not from its own
    // minimum: an empty item as wide as the title widens the layout.
    if (QLayout* layout = window->layout())
        layout->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Fixed, QSizePolicy::Fixed));
    else
        window->setMinimumWidth(std::max(window->minimumWidth(), wanted));
}

QPushButton* commandButton(const QString& name, const QString& caption, const QString& toolTip)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    return button;
}

QGroupBox* frame(const QString& name, const QString& title)
{
    auto* box = new QGroupBox(title);
    box->setObjectName(name);
    return box;
}

QLabel* noteLabel(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setStyleSheet(QStringLiteral("QLabel { color: #0d47a1; font-style: italic; }"));
    // Long names wrap the note instead of widening the page.
    label->setWordWrap(true);
    label->hide();
    return label;
}

namespace {

// The entries a list was last filled with. Kept as the list itself: a copy shares the caller's
// data, so an unchanged list of names compares equal at once, without looking at its entries.
const char* const kShownEntries = "shownEntries";

} // namespace

bool showEntries(QComboBox* box, const QStringList& entries, int selected)
{
    const QVariant shown = box->property(kShownEntries);
    const QStringList before = shown.isValid() ? shown.toStringList() : QStringList();
    // Entries changed behind the list's back (not through here) are replaced all the same.
    const bool known = shown.isValid() && box->count() == before.size();
    const bool same = known && before == entries;
    // The stretch between the entries both lists begin and end with: an added, deleted or
    // renamed ship changes one entry among thousands, and only that one is replaced.
    qsizetype head = 0;
    qsizetype tail = 0;
    if (known && !same) {
        const qsizetype common = std::min(before.size(), entries.size());
        while (head < common && before[head] == entries[head])
            ++head;
        while (tail < common - head && before[before.size() - 1 - tail] == entries[entries.size() - 1 - tail])
            ++tail;
    }
    if (!same && head + tail == 0) {
        // Nothing in common (another file read): the list takes the entries whole, sharing
        // their texts, instead of inserting them one by one.
        if (auto* texts = qobject_cast<QStringListModel*>(box->model())) {
            texts->setStringList(entries);
        } else {
            box->clear();
            box->addItems(entries);
        }
    } else if (!same) {
        if (const qsizetype gone = before.size() - head - tail; gone > 0)
            box->model()->removeRows(int(head), int(gone));
        if (const qsizetype come = entries.size() - head - tail; come > 0)
            box->insertItems(int(head), entries.mid(head, come));
    }
    if (!same)
        box->setProperty(kShownEntries, entries);
    box->setCurrentIndex(selected >= 0 && selected < entries.size() ? selected : -1);
    return !same;
}

void holdEntriesAsTexts(QComboBox* box)
{
    box->setModel(new QStringListModel(box));
}

NameFilter* makeNameBox(QComboBox* box)
{
    // Before the filter, which searches the box's model.
    holdEntriesAsTexts(box);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setDuplicatesEnabled(true);
    // The completer an editable list comes with completes the whole name in place as it is
    // typed, which turns a new name into an existing one; the filter replaces it.
    box->setCompleter(nullptr);
    box->setMinimumContentsLength(28);
    limitPopupRows(box, 20);
    return new NameFilter(box);
}

void showValidationPending(QPushButton* button, bool pending)
{
    QFont font = button->font();
    font.setBold(pending);
    button->setFont(font);
    button->setDefault(pending);
}

bool settlePendingEdits(UserDialogs& dialogs, const UserMessage& question, const std::function<bool()>& validate,
                        const std::function<void()>& discard)
{
    switch (dialogs.ask(question)) {
    case MessageAnswer::Validate:
        return validate();
    case MessageAnswer::Discard:
        discard();
        return true;
    default:
        return false;
    }
}

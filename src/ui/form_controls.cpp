#include "form_controls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

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

void widenPopupToEntries(QComboBox* box)
{
    QAbstractItemView* view = box->view();
    const int scrollBar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth() + scrollBar);
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

void showEntries(QComboBox* box, const QStringList& entries, int selected)
{
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(selected >= 0 && selected < entries.size() ? selected : -1);
}

void makeNameBox(QComboBox* box)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setDuplicatesEnabled(true);
    box->setCompleter(nullptr);
    box->setMinimumContentsLength(28);
}

#include "wide_popup_list.h"

#include <QAbstractItemView>
#include <QStyle>

void WidePopupList::showPopup()
{
    QAbstractItemView* list = view();
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + scrollBar);
    QComboBox::showPopup();
}

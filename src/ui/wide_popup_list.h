#pragma once

#include <QComboBox>

// A drop-down list whose open list is as wide as its longest entry, however narrow the box
// itself is. The width is measured as the list opens: measuring thousands of entries at every
// refill would cost each click what only an opening needs.
class WidePopupList : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override;
};

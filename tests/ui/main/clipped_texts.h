#pragma once

#include <QStringList>

class QWidget;

// The texts that do not fit the control showing them, among the visible controls in `window`
// (itself included): captions of labels, buttons and frames, the text and the placeholder of
// text boxes, and the entry shown by drop-down lists, each measured with the control's own font
// against the room its style leaves for text. Word-wrapped labels are measured for height at
// their width, and a control standing partly outside the widget it is in is cut by it. Each entry
// names the control and its text.
QStringList clippedTexts(const QWidget* window);

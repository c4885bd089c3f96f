#pragma once

#include <QString>

class QLineEdit;

// Live hints on the text boxes of the editor forms: a box whose text would fail its validation
// check gets a red frame and the check's message as its tooltip; once the text passes, the frame
// goes and the box's own tooltip comes back. Validation itself is untouched.

// Shows `hint` (the failed checks' messages) on `box`, or clears it when `hint` is empty.
void showFieldHint(QLineEdit* box, const QString& hint);
// Whether `box` shows a hint.
bool showsFieldHint(const QLineEdit* box);

// Shows on `box` the messages of its failed checks, `failures` (empty when it passes), with the
// characters of its text that the scenario file cannot hold.
void showTextHint(QLineEdit* box, const QString& failures);

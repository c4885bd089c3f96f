#pragma once

#include <QString>

class QPlainTextEdit;

// Descriptions as the files hold them (lines ended by CR LF) and as a text field shows them.
QString descriptionForDisplay(const QString& description);
QString descriptionFromDisplay(const QString& text);

// The text of a field character for character, line ends as '\n'. QPlainTextEdit::toPlainText()
// turns a no-break space into a plain one, and a description's bytes must survive an edit
// elsewhere in it.
QString typedText(const QPlainTextEdit* edit);

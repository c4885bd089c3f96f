#pragma once

#include <QString>

struct DescriptionPreview;
class QPlainTextEdit;

// Descriptions as the files hold them (lines ended by CR LF) and as a text field shows them.
QString descriptionForDisplay(const QString& description);
QString descriptionFromDisplay(const QString& text);

// A preview as a read-only field shows it; a cut preview ends with a line that says so.
QString previewForDisplay(const DescriptionPreview& preview);

// The text of a field character for character, line ends as '\n'. QPlainTextEdit::toPlainText()
// turns a no-break space into a plain one, and a description's bytes must survive an edit
// elsewhere in it.
QString typedText(const QPlainTextEdit* edit);

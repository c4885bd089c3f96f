#pragma once

#include <QString>

struct DescriptionPreview;
class QPlainTextEdit;

// Descriptions as the files hold them (lines ended by CR LF) and as a text field shows them.
QString descriptionForDisplay(const QString& description);
QString descriptionFromDisplay(const QString& text);

// Whether a text field can show and edit the description at once: a text field lays out a long
// line in a time that grows with the square of its length (a line of a million characters
// takes over a minute), so a description with a line beyond 10,000 characters or a text beyond
// a million is not edited in a field.
bool isEditableDescription(const QString& description);

// What the field shows for a description that is not editable: its beginning, and a line that
// says why the rest is not shown; the scenario keeps the description as read.
QString descriptionOverview(const QString& description);

// A preview as a read-only field shows it: lines too long for a field to lay out quickly are
// cut short, and a preview that is cut in any way begins with a line that says so.
QString previewForDisplay(const DescriptionPreview& preview);

// The text of a field character for character, line ends as '\n'. QPlainTextEdit::toPlainText()
// turns a no-break space into a plain one, and a description's bytes must survive an edit
// elsewhere in it.
QString typedText(const QPlainTextEdit* edit);

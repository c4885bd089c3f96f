#include "field_hints.h"

#include "editing/save_text_checks.h"

#include <QLineEdit>
#include <QVariant>

namespace {

// The box's own tooltip, kept while a hint takes its place.
const char* const kOwnToolTip = "ownToolTip";
const char* const kHinted = "fieldHint";

} // namespace

void showFieldHint(QLineEdit* box, const QString& hint)
{
    const bool hinted = !hint.isEmpty();
    const bool wasHinted = showsFieldHint(box);
    if (hinted) {
        if (!wasHinted)
            box->setProperty(kOwnToolTip, box->toolTip());
        box->setToolTip(hint);
    } else if (wasHinted) {
        box->setToolTip(box->property(kOwnToolTip).toString());
    }
    if (hinted != wasHinted)
        box->setStyleSheet(hinted
                               ? QStringLiteral("QLineEdit { border: 2px solid #d32f2f; border-radius: 3px; "
                                                "padding: 1px 2px; }")
                               : QString());
    box->setProperty(kHinted, hinted);
}

bool showsFieldHint(const QLineEdit* box)
{
    return box->property(kHinted).toBool();
}

void showTextHint(QLineEdit* box, const QString& failures)
{
    QStringList hints{failures, unwritableCharactersHint(box->text())};
    hints.removeAll(QString());
    showFieldHint(box, hints.join(u'\n'));
}

#include "clipped_texts.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

// A line edit draws its text this far inside its contents on either side.
constexpr int kLineEditTextMargin = 2;

template <typename Control> QList<const Control*> shownControls(const QWidget* window)
{
    QList<const Control*> shown;
    if (const auto* itself = qobject_cast<const Control*>(window))
        shown.append(itself);
    for (const Control* control : window->findChildren<Control*>()) {
        if (control->isVisible())
            shown.append(control);
    }
    return shown;
}

QString entry(const QWidget* control, const QString& text)
{
    return control->objectName() + QStringLiteral(": ") + text;
}

// The widest line of a plain text, as `metrics` draws it.
int widestLine(const QFontMetrics& metrics, const QString& text, int flags = 0)
{
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.size(flags, line).width());
    return widest;
}

bool isRichText(const QLabel* label)
{
    return label->textFormat() == Qt::RichText ||
           (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

// The size a label's text needs: at the label's width when it wraps its words.
QSize neededSize(const QLabel* label, int width)
{
    if (isRichText(label)) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(label->text());
        if (label->wordWrap())
            document.setTextWidth(width);
        return {static_cast<int>(std::ceil(document.idealWidth())),
                static_cast<int>(std::ceil(document.size().height()))};
    }
    const QFontMetrics metrics = label->fontMetrics();
    if (label->wordWrap())
        return metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, label->text()).size();
    const int lines = static_cast<int>(label->text().count(u'\n')) + 1;
    return {widestLine(metrics, label->text()), lines * metrics.height()};
}

void checkLabels(const QWidget* window, QStringList& clipped)
{
    for (const QLabel* label : shownControls<QLabel>(window)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const int inset = 2 * label->margin() + std::max(label->indent(), 0);
        const QSize room = label->contentsRect().size() - QSize(inset, 2 * label->margin());
        const QSize needed = neededSize(label, room.width());
        if (needed.width() > room.width() || (label->wordWrap() && needed.height() > room.height()))
            clipped << entry(label, label->text());
    }
}

// The width a button's caption and icon take inside its bevel, as the style sizes buttons.
int neededWidth(const QAbstractButton* button)
{
    const QFontMetrics metrics = button->fontMetrics();
    const int text = widestLine(metrics, button->text(), Qt::TextShowMnemonic);
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    QStyle* style = button->style();
    if (qobject_cast<const QPushButton*>(button)) {
        const int bevel = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                          2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        return text + icon + bevel;
    }
    const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
    if (radio || qobject_cast<const QCheckBox*>(button)) {
        const int indicator = style->pixelMetric(
            radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, button);
        const int spacing = style->pixelMetric(
            radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        return indicator + spacing + text + icon;
    }
    return button->sizeHint().width();
}

void checkButtons(const QWidget* window, QStringList& clipped)
{
    for (const QAbstractButton* button : shownControls<QAbstractButton>(window)) {
        if (!button->text().isEmpty() && button->contentsRect().width() < neededWidth(button))
            clipped << entry(button, button->text());
    }
}

void checkTextBoxes(const QWidget* window, QStringList& clipped)
{
    for (const QLineEdit* box : shownControls<QLineEdit>(window)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.rect = box->contentsRect();
        option.lineWidth =
            box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        const QMargins margins = box->textMargins();
        const int room = contents.width() - margins.left() - margins.right() - 2 * kLineEditTextMargin;
        for (const QString& text : {box->text(), box->placeholderText()}) {
            if (box->fontMetrics().horizontalAdvance(text) > room)
                clipped << entry(box, text);
        }
    }
}

// Editable lists show their entry in their own text box, which the text box check measures.
void checkLists(const QWidget* window, QStringList& clipped)
{
    for (const QComboBox* list : shownControls<QComboBox>(window)) {
        if (list->isEditable() || list->currentText().isEmpty())
            continue;
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        option.frame = list->hasFrame();
        option.currentText = list->currentText();
        option.currentIcon = list->itemIcon(list->currentIndex());
        option.iconSize = list->iconSize();
        const QRect field =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        const int icon = option.currentIcon.isNull() ? 0 : option.iconSize.width() + 4;
        // The label is drawn one pixel inside the field on either side.
        if (list->fontMetrics().horizontalAdvance(list->currentText()) + icon > field.width() - 2)
            clipped << entry(list, list->currentText());
    }
}

void checkFrameTitles(const QWidget* window, QStringList& clipped)
{
    for (const QGroupBox* frame : shownControls<QGroupBox>(window)) {
        const int title = frame->fontMetrics().size(Qt::TextShowMnemonic, frame->title()).width();
        const int check =
            frame->isCheckable() ? frame->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, frame) : 0;
        if (!frame->title().isEmpty() && frame->width() < title + check)
            clipped << entry(frame, frame->title());
    }
}

// A control that stands partly outside the widget it is in is cut by it, whatever its own size;
// only the page in a scroll area moves beyond the area's view.
template <typename Control> void checkPlaces(const QWidget* window, QStringList& clipped)
{
    for (const Control* control : shownControls<Control>(window)) {
        const QWidget* parent = control->parentWidget();
        const bool scrolled =
            parent && qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()) &&
            parent == qobject_cast<const QAbstractScrollArea*>(parent->parentWidget())->viewport();
        if (control != window && parent && !scrolled && !parent->rect().contains(control->geometry()))
            clipped << entry(control, QStringLiteral("outside its ") + parent->metaObject()->className());
    }
}

} // namespace

QStringList clippedTexts(const QWidget* window)
{
    QStringList clipped;
    checkLabels(window, clipped);
    checkButtons(window, clipped);
    checkTextBoxes(window, clipped);
    checkLists(window, clipped);
    checkFrameTitles(window, clipped);
    checkPlaces<QLabel>(window, clipped);
    checkPlaces<QAbstractButton>(window, clipped);
    checkPlaces<QLineEdit>(window, clipped);
    checkPlaces<QComboBox>(window, clipped);
    checkPlaces<QGroupBox>(window, clipped);
    return clipped;
}

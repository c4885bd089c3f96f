#include "name_filter.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>

namespace {

constexpr int kVisibleRows = 20;

} // namespace

NameFilter::NameFilter(QComboBox* box)
    : QObject(box), edit_(box->lineEdit()), completer_(new QCompleter(box->model(), this))
{
    completer_->setCompletionColumn(box->modelColumn());
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setFilterMode(Qt::MatchContains);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setMaxVisibleItems(kVisibleRows);
    completer_->popup()->setObjectName(box->objectName() + QStringLiteral("Filter"));

    completer_->popup()->installEventFilter(this);
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        typed_ = text;
        highlighted_.clear();
        picked_ = false;
    });
    connect(completer_, qOverload<const QString&>(&QCompleter::highlighted), this,
            [this](const QString& name) { highlighted_ = name; });

    // Set on the line edit, not on the box: a completer of the box makes the box go to the
    // picked entry itself, before the tab could ask about the edits of the row it leaves.
    edit_->setCompleter(completer_);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                picked_ = true;
                // The index is one of the completer's own filtered model, over the box's model.
                const auto* filtered =
                    qobject_cast<const QAbstractProxyModel*>(completer_->completionModel());
                const int row = filtered ? filtered->mapToSource(index).row() : -1;
                if (row >= 0)
                    QMetaObject::invokeMethod(
                        this, [this, row] { emit picked(row); }, Qt::QueuedConnection);
            });
}

bool NameFilter::eventFilter(QObject* watched, QEvent* event)
{
    // Going through the names with the arrow keys writes each one into the box. Closed without a
    // pick, the box shows again what was typed, which is what the form holds; a text the program
    // has set meanwhile (the tab showing another row) stays.
    if (watched == completer_->popup() && event->type() == QEvent::Hide && !picked_ &&
        !highlighted_.isEmpty() && edit_->text() == highlighted_)
        edit_->setText(typed_);
    return QObject::eventFilter(watched, event);
}

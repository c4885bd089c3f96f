#include "name_filter.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

namespace {

constexpr int kVisibleRows = 20;

} // namespace

NameFilter::NameFilter(QComboBox* box) : QObject(box), completer_(new QCompleter(box->model(), this))
{
    completer_->setCompletionColumn(box->modelColumn());
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setFilterMode(Qt::MatchContains);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setMaxVisibleItems(kVisibleRows);
    completer_->popup()->setObjectName(box->objectName() + QStringLiteral("Filter"));

    // Set on the line edit, not on the box: a completer of the box makes the box go to the
    // picked entry itself, before the tab could ask about the edits of the row it leaves.
    box->lineEdit()->setCompleter(completer_);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                // The index is one of the completer's own filtered model, over the box's model.
                const auto* filtered =
                    qobject_cast<const QAbstractProxyModel*>(completer_->completionModel());
                pickedRow_ = filtered ? filtered->mapToSource(index).row() : -1;
            });
    // The line edit takes the picked name as its text on the same pick, after the signal above:
    // the pick is told only then, so that what the tab shows afterwards stays shown.
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this, [this] {
        const int row = pickedRow_;
        pickedRow_ = -1;
        if (row >= 0)
            emit picked(row);
    });
}

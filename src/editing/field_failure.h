#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A failed check of an editor form, with the text fields whose contents made it fail, so that
// the window can mark those fields while the user types. Checks about captions (a base, a class)
// name no field.
template <typename Form> struct FieldFailure
{
    QString message;
    QVector<QString Form::*> fields;
};

// The messages in the order the checks ran.
template <typename Form> QStringList failureMessages(const QVector<FieldFailure<Form>>& failures)
{
    QStringList messages;
    for (const FieldFailure<Form>& failure : failures)
        messages.append(failure.message);
    return messages;
}

// The messages of the failures that name `field`, one per line; empty when the field passes.
template <typename Form> QString fieldHint(const QVector<FieldFailure<Form>>& failures, QString Form::*field)
{
    QStringList messages;
    for (const FieldFailure<Form>& failure : failures) {
        if (failure.fields.contains(field))
            messages.append(failure.message);
    }
    return messages.join(u'\n');
}

#include "write_failure.h"

#include <QDir>

UserMessage writeFailureMessage(const WriteResult& result)
{
    return {QStringLiteral("Write error"),
            QStringLiteral("The file could not be written:\n%1\n\n%2\n\nThe file on disk was left as it was.")
                .arg(QDir::toNativeSeparators(result.path), result.error),
            MessageButtons::Ok, MessageIcon::Exclamation};
}

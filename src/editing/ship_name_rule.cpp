#include "ship_name_rule.h"

QString shipNameFailure(const QString& name)
{
    if (!name.contains(u':'))
        return {};
    return QStringLiteral("The ship name must not hold a \":\", which separates the name from the class in "
                          "the file.");
}

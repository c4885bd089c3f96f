#pragma once

#include <QByteArray>
#include <QStringView>

// A string as Qt's JSON writer writes it, quotes included: '"', '\\' and the control characters
// escaped, every other character as UTF-8. Writing a large document field by field with this
// costs neither a JSON tree nor a copy of the whole text.
void appendJsonString(QByteArray& out, QStringView text);

#pragma once

#include <QByteArray>
#include <QStringView>

// A string as Qt's JSON writer writes it, quotes included: '"', '\\', the control characters
// and surrogates without their other half escaped, every other character as UTF-8. Writing a
// large document field by field with this costs neither a JSON tree nor a copy of the whole text.
void appendJsonString(QByteArray& out, QStringView text);

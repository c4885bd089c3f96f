#pragma once

#include "document/read_finding.h"

#include <QString>
#include <QStringList>

#include <ostream>

// Readable failure messages for Qt strings (gtest finds these by argument lookup).
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        *out << (i ? ", " : "");
        PrintTo(list[i], out);
    }
    *out << '}';
}

inline void PrintTo(const ReadFinding& finding, std::ostream* out)
{
    *out << readFindingKindName(finding.kind).toStdString() << ':' << finding.line << ": "
         << finding.text.toStdString();
}

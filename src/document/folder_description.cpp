#include "folder_description.h"

#include "file_paths.h"
#include "text_file.h"
#include "text_primitives.h"

QString readDescriptionBlock(const QString& path)
{
    const auto lines = readTextLines(path);
    if (!lines || lines->isEmpty() || trimBlanks(lines->first()).toUpper() != u"BEGIN_DESC")
        return {};
    QString description;
    for (qsizetype i = 1; i < lines->size(); ++i) {
        const QString& line = lines->at(i);
        if (trimBlanks(line).toUpper() == u"END_DESC")
            break;
        description += line + QStringLiteral("\r\n");
    }
    return description;
}

WriteResult writeFolderDescription(const QString& folder, const QString& text)
{
    QStringList lines{QStringLiteral("BEGIN_DESC")};
    lines.append(splitLines(text));
    if (lines.size() == 1)
        lines.append(QString());
    lines.append(QStringLiteral("END_DESC"));
    return writeTextFileSafely(joinPath(folder, kFolderDescriptionFile), lines);
}

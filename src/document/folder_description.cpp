#include "folder_description.h"

#include "file_paths.h"
#include "text_file.h"
#include "text_primitives.h"

DescriptionBlock descriptionBlock(const QStringList& lines)
{
    DescriptionBlock block;
    if (lines.isEmpty() || trimBlanks(lines.first()).toUpper() != u"BEGIN_DESC")
        return block;
    qsizetype i = 1;
    for (; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (trimBlanks(line).toUpper() == u"END_DESC") {
            block.closed = true;
            ++i;
            break;
        }
        block.text += line;
        block.text += QStringLiteral("\r\n");
    }
    block.nextLine = i;
    return block;
}

QString readDescriptionBlock(const QString& path)
{
    const auto lines = readTextLines(path);
    return lines ? descriptionBlock(*lines).text : QString();
}

WriteResult writeFolderDescription(const QString& folder, const QString& text)
{
    return writeTextFileSafely(joinPath(folder, kFolderDescriptionFile), folderDescriptionLines(text));
}

QStringList folderDescriptionLines(const QString& text)
{
    QStringList lines{QStringLiteral("BEGIN_DESC")};
    lines.append(splitLines(text));
    if (lines.size() == 1)
        lines.append(QString());
    lines.append(QStringLiteral("END_DESC"));
    return lines;
}

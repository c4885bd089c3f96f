#include "folder_description.h"

#include "file_paths.h"
#include "regular_file.h"
#include "text_codec.h"
#include "text_file.h"
#include "text_primitives.h"

DescriptionBlock descriptionBlock(const QList<QStringView>& lines)
{
    DescriptionBlock block;
    if (lines.isEmpty() || trimBlanks(lines.first()).toUpper() != u"BEGIN_DESC")
        return block;
    qsizetype i = 1;
    for (; i < lines.size(); ++i) {
        const QStringView line = lines[i];
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

DescriptionBlock descriptionBlock(const QStringList& lines)
{
    return descriptionBlock(lineViews(lines));
}

QString readDescriptionBlock(const QString& path)
{
    const auto text = readText(path);
    return text ? descriptionBlock(lineViews(*text)).text : QString();
}

DescriptionPreview readDescriptionPreview(const QString& path)
{
    DescriptionPreview preview;
    const auto prefix = readRegularFilePrefix(resolvePath(path), kPreviewBytes);
    if (!prefix)
        return preview;
    preview.cut = prefix->cut;
    const QString text = decodeWindows1252(prefix->bytes);
    preview.text = descriptionBlock(lineViews(text)).text;
    return preview;
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

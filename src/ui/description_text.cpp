#include "description_text.h"

#include "document/folder_description.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString descriptionForDisplay(const QString& description)
{
    QString text = description;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString descriptionFromDisplay(const QString& text)
{
    QString description = text;
    return description.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

namespace {

constexpr qsizetype kLongestEditableLine = 10000;
constexpr qsizetype kLongestEditableText = 1000000;
constexpr qsizetype kOverviewLine = 200;
constexpr qsizetype kOverviewText = 64 * 1024;

} // namespace

bool isEditableDescription(const QString& description)
{
    if (description.size() > kLongestEditableText)
        return false;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= description.size(); ++i) {
        if (i == description.size() || description[i] == u'\n' || description[i] == u'\r') {
            if (i - lineStart > kLongestEditableLine)
                return false;
            lineStart = i + 1;
        }
    }
    return true;
}

QString descriptionOverview(const QString& description)
{
    QStringList shown;
    qsizetype size = 0;
    for (const QString& line : descriptionForDisplay(description.left(kOverviewText)).split(u'\n')) {
        shown.append(line.size() > kOverviewLine ? line.left(kOverviewLine) + QStringLiteral(" [...]") : line);
        size += shown.back().size();
    }
    return QStringLiteral("[This description (%1 characters) is too long to be edited here; it is kept as the "
                          "file holds it and saved unchanged. Its beginning:]\n")
               .arg(description.size()) +
           shown.join(u'\n');
}

QString previewForDisplay(const DescriptionPreview& preview)
{
    const QString text = descriptionForDisplay(preview.text);
    if (!preview.cut)
        return text;
    return QStringLiteral("[The file goes on beyond its first %1 KB; only its beginning is shown.]\n")
               .arg(kPreviewBytes / 1024) +
           text;
}

QString typedText(const QPlainTextEdit* edit)
{
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

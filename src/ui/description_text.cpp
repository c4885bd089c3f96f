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
constexpr qsizetype kOverviewLine = 1000;
constexpr qsizetype kOverviewText = 64 * 1024;

// The text with every line longer than a field lays out quickly cut short: "[...]" stands for
// the rest of the line.
QString shortLines(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        if (line.size() > kOverviewLine)
            line = line.left(kOverviewLine) + QStringLiteral(" [...]");
    }
    return lines.join(u'\n');
}

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
    return QStringLiteral("[This description (%1 characters) is too long to be edited here; it is kept as the "
                          "file holds it and saved unchanged. Its beginning:]\n")
               .arg(description.size()) +
           shortLines(descriptionForDisplay(description.left(kOverviewText)));
}

QString previewForDisplay(const DescriptionPreview& preview)
{
    const QString text = descriptionForDisplay(preview.text);
    const QString shown = shortLines(text);
    if (!preview.cut && shown == text)
        return text;
    return QStringLiteral("[The description is longer than this preview shows; only its beginning is "
                          "shown.]\n") +
           shown;
}

QString typedText(const QPlainTextEdit* edit)
{
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

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

QString previewForDisplay(const DescriptionPreview& preview)
{
    QString text = descriptionForDisplay(preview.text);
    if (preview.cut)
        text += QStringLiteral("\n[The file goes on beyond its first %1 KB; only its beginning is shown.]")
                    .arg(kPreviewBytes / 1024);
    return text;
}

QString typedText(const QPlainTextEdit* edit)
{
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

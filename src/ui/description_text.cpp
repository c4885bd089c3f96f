#include "description_text.h"

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

QString typedText(const QPlainTextEdit* edit)
{
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

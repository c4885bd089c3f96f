#include "scenario_line.h"

#include "text_primitives.h"

ScenarioLine::ScenarioLine(QStringView line) : raw(line), cleaned(line.toString())
{
    ClearComments(cleaned);
    trimmed = valueTrimmed(cleaned);
}

QString valueTrimmed(QStringView text)
{
    QString value = trimBlanks(text);
    while (!value.isEmpty() && value.back().unicode() < 32) {
        value.chop(1);
        value = trimTrailingBlanks(value);
    }
    return value;
}

bool ScenarioLine::isSectionKeyword() const
{
    for (const QStringView keyword :
         {u"BEGIN_DESC", u"END_DESC", u"BEGIN_ENVIRONMENT", u"END_ENVIRONMENT", u"BEGIN_FOCUS", u"END_FOCUS",
          u"BEGIN_CAMERA", u"END_CAMERA", u"BEGIN_HUD", u"END_HUD", u"END_MFD", u"BEGIN_STATIONS",
          u"END_STATIONS", u"BEGIN_SHIPS", u"END_SHIPS"}) {
        if (is(keyword))
            return true;
    }
    return startsWith(u"BEGIN_MFD");
}

bool ScenarioLine::isBlockLine() const
{
    return !raw.startsWith(u' ') && !trimmed.isEmpty() && !is(u"END") && !is(u"END_STATIONS") &&
           !is(u"END_SHIPS");
}

bool ScenarioLine::opensSection() const
{
    if (raw.startsWith(u' '))
        return false;
    for (const QStringView section : {u"BEGIN_DESC", u"BEGIN_ENVIRONMENT", u"BEGIN_FOCUS", u"BEGIN_CAMERA",
                                      u"BEGIN_HUD", u"BEGIN_STATIONS", u"BEGIN_SHIPS"}) {
        if (is(section))
            return true;
    }
    return startsWith(u"BEGIN_MFD");
}

std::optional<QString> lastChars(const QString& text, qsizetype n)
{
    if (n < 0)
        return std::nullopt;
    return rightChars(text, n);
}

std::optional<std::pair<QString, QString>> splitAtFirst(const QString& text, QChar separator)
{
    const qsizetype at = text.indexOf(separator);
    if (at < 0)
        return std::nullopt;
    return std::pair{text.left(at), text.mid(at + 1)};
}

std::optional<std::pair<QString, QString>> splitAtLast(const QString& text, QChar separator)
{
    const qsizetype at = text.lastIndexOf(separator);
    if (at < 0)
        return std::nullopt;
    return std::pair{text.left(at), text.mid(at + 1)};
}

QString cutValueKeepingBlank(QString& rest)
{
    const qsizetype blank = rest.indexOf(u' ');
    const QString value = rest.left(blank + 1);
    rest = trimBlanks(QStringView(rest).mid(blank + 1));
    return value;
}

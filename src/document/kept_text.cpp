#include "kept_text.h"

#include "text_primitives.h"

bool isCommentLine(QStringView raw)
{
    const QStringView trimmed = blankTrimmedView(raw);
    return trimmed.startsWith(u';');
}

QString trailingComment(QStringView raw)
{
    const qsizetype semicolon = raw.indexOf(u';');
    if (semicolon < 0)
        return {};
    qsizetype from = semicolon;
    while (from > 0 && raw[from - 1] == u' ')
        --from;
    return raw.mid(from).toString();
}

QString withTrailingComment(const QString& line, const QString& trailing)
{
    if (trailing.isEmpty() || line.isEmpty())
        return line + trailing;
    const QString text = trimTrailingBlanks(line);
    return trailing.startsWith(u' ') ? text + trailing : text + u' ' + trailing;
}

void keepComments(KeptComments& comments, const QString& anchor, const QStringList& before,
                  const QString& trailing)
{
    if (before.isEmpty() && trailing.isEmpty())
        return;
    for (KeptComment& kept : comments) {
        if (kept.anchor == anchor) {
            kept.before += before;
            if (!trailing.isEmpty())
                kept.trailing = trailing;
            return;
        }
    }
    comments.append({anchor, before, trailing});
}

void CommentedOutput::add(QStringView anchor, const QString& line)
{
    written_.append(anchor.toString());
    for (const KeptComment& kept : comments_) {
        if (kept.anchor != anchor)
            continue;
        lines << kept.before;
        lines << withTrailingComment(line, kept.trailing);
        return;
    }
    lines << line;
}

void CommentedOutput::addUnwritten(QStringList& target, QStringView coming) const
{
    for (const KeptComment& kept : comments_) {
        if (written_.contains(kept.anchor) || (!coming.isNull() && kept.anchor == coming))
            continue;
        target << kept.before;
        if (!kept.trailing.isEmpty())
            target << QStringLiteral("  ") + trimLeadingBlanks(kept.trailing);
    }
}

bool sameSection(QStringView opening, QStringView other)
{
    return opening.toString().simplified().compare(other.toString().simplified(), Qt::CaseInsensitive) == 0;
}

#include "read_finding.h"

QString quotedText(QStringView text)
{
    constexpr qsizetype kShown = 200;
    if (text.size() <= kShown)
        return u'\'' + text.toString() + u'\'';
    return u'\'' + text.left(kShown).toString() + QStringLiteral("...'");
}

QString readFindingKindName(ReadFinding::Kind kind)
{
    switch (kind) {
    case ReadFinding::Kind::Unread:
        return QStringLiteral("scan");
    case ReadFinding::Kind::Malformed:
        return QStringLiteral("malformed");
    case ReadFinding::Kind::NotANumber:
        return QStringLiteral("not-a-number");
    case ReadFinding::Kind::Level:
        return QStringLiteral("level");
    case ReadFinding::Kind::Date:
        return QStringLiteral("date");
    case ReadFinding::Kind::ExtraLine:
        return QStringLiteral("extra-line");
    }
    return {};
}

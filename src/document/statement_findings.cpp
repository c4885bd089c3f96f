#include "statement_findings.h"

#include "number_text.h"
#include "text_primitives.h"

#include <QRegularExpression>

#include <array>
#include <utility>

namespace {

using Cell = std::pair<const char*, const QString*>; // what the value is called, and its cell

// One finding for the values of a statement that are no numbers, naming each and what it
// reads as: "'AROT 12.5 q 175': the y value 'q' is not a number and is read as 0".
std::optional<ReadFinding> notNumbers(const ScenarioLine& line, std::initializer_list<Cell> cells,
                                      qsizetype lineNumber)
{
    QStringList problems;
    for (const auto& [name, cell] : cells) {
        const QString value = trimBlanks(*cell);
        if (isNumberText(value))
            continue;
        const QString readAs = numberText(numericValue(value));
        problems.append(value.isEmpty()
                            ? QStringLiteral("the %1 is empty and is read as 0").arg(QLatin1StringView(name))
                            : QStringLiteral("the %1 %2 is not a number and is read as %3")
                                  .arg(QLatin1StringView(name), quotedText(value), readAs));
    }
    if (problems.isEmpty())
        return std::nullopt;
    return ReadFinding{ReadFinding::Kind::NotANumber, lineNumber,
                       quotedText(line.trimmed) + QStringLiteral(": ") + problems.join(QStringLiteral("; "))};
}

// A level's text as the line holds it: the cell of a fuel that is no number already says "0".
QString levelText(const ScenarioLine& line, QStringView keyword)
{
    return trimBlanks(rightChars(line.trimmed, line.trimmed.size() - keyword.size() - 1));
}

void checkLevel(const ScenarioLine& line, const QString& text, const char* name, double minimum,
                qsizetype lineNumber, QVector<ReadFinding>& findings)
{
    if (const auto finding = notNumbers(line, {{name, &text}}, lineNumber))
        findings.append(*finding);
    const double level = numericValue(text);
    if (level < minimum || level > 1.0)
        findings.append({ReadFinding::Kind::Level, lineNumber,
                         QStringLiteral("%1: the %2 %3 is outside %4 to 1")
                             .arg(quotedText(line.trimmed), QLatin1StringView(name), numberText(level),
                                  numberText(minimum))});
}

constexpr std::array<QStringView, 10> kShipKeywords{u"STATUS",      u"BASE", u"HEADING", u"RPOS",
                                                    u"RVEL",        u"AROT", u"VROT",    u"ENGINE_MAIN",
                                                    u"ENGINE_HOVR", u"FUEL"};
constexpr std::array<QStringView, 6> kStationKeywords{u"REF",       u"EL_MJD",         u"ELEMENTS",
                                                      u"ZROT_FREQ", u"ZROT_FREQUENCY", u"AROT"};

template <std::size_t N>
std::optional<ReadFinding> extraLineFinding(const ScenarioLine& line, qsizetype lineNumber,
                                            const std::array<QStringView, N>& keywords)
{
    if (line.trimmed.isEmpty())
        return std::nullopt;
    static const QRegularExpression statement(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*([ \t].*)?$"));
    const QString quoted = quotedText(line.trimmed);
    if (!statement.match(line.trimmed).hasMatch()) {
        // A second block line, as when the END of the block before is missing.
        const bool blockLine = line.isBlockLine() && line.trimmed.contains(u':');
        return ReadFinding{ReadFinding::Kind::ExtraLine, lineNumber,
                           quoted + (blockLine
                                         ? QStringLiteral(" is no statement but reads like a block line "
                                                          "(an END missing before it?); it is kept as "
                                                          "an extra line of the block")
                                         : QStringLiteral(" is no statement; it is kept as an extra "
                                                          "line of the block"))};
    }
    static const QRegularExpression separator(QStringLiteral("[ \t]"));
    const QStringView word = QStringView(line.trimmed).left(line.trimmed.indexOf(separator));
    for (const QStringView keyword : keywords) {
        if (word.size() >= 4 && isOneEditApart(word, keyword))
            return ReadFinding{ReadFinding::Kind::ExtraLine, lineNumber,
                               quoted +
                                   QStringLiteral(" is no statement of the editor (a misspelt %1?); it is "
                                                  "kept as an extra line of the block")
                                       .arg(keyword)};
    }
    return std::nullopt;
}

} // namespace

QVector<ReadFinding> shipStatementFindings(QStringView keyword, const ScenarioLine& line, const ShipRow& row,
                                           qsizetype lineNumber)
{
    QVector<ReadFinding> findings;
    auto add = [&](const std::optional<ReadFinding>& finding) {
        if (finding)
            findings.append(*finding);
    };
    if (keyword == u"RPOS")
        add(notNumbers(line, {{"x value", &row.RposX}, {"y value", &row.RposY}, {"z value", &row.RposZ}},
                       lineNumber));
    else if (keyword == u"RVEL")
        add(notNumbers(line, {{"x value", &row.RvelX}, {"y value", &row.RvelY}, {"z value", &row.RvelZ}},
                       lineNumber));
    else if (keyword == u"AROT")
        add(notNumbers(line, {{"x value", &row.ArotX}, {"y value", &row.ArotY}, {"z value", &row.ArotZ}},
                       lineNumber));
    else if (keyword == u"VROT")
        add(notNumbers(line, {{"angular velocity", &row.Vrot}}, lineNumber));
    else if (keyword == u"FUEL")
        checkLevel(line, levelText(line, keyword), "fuel level", 0.0, lineNumber, findings);
    else if (keyword == u"ENGINE_MAIN")
        // The main engine runs backwards too: its slider goes from -100 % to 100 %.
        checkLevel(line, row.MainEngine, "main engine level", -1.0, lineNumber, findings);
    else if (keyword == u"ENGINE_HOVR")
        checkLevel(line, row.HoverEngine, "hover engine level", 0.0, lineNumber, findings);
    return findings;
}

QVector<ReadFinding> stationStatementFindings(QStringView keyword, const ScenarioLine& line,
                                              const StationRow& row, qsizetype lineNumber)
{
    std::optional<ReadFinding> finding;
    if (keyword == u"ELEMENTS")
        finding = notNumbers(line,
                             {{"semi-major axis", &row.SemiMajorAxis},
                              {"eccentricity", &row.Excentricity},
                              {"inclination", &row.Inclination},
                              {"ascending node longitude", &row.AscendingNodeLongitude},
                              {"periapsis longitude", &row.PeriapsisLongitude},
                              {"mean longitude", &row.MeanLongitude}},
                             lineNumber);
    else if (keyword == u"AROT")
        finding = notNumbers(
            line, {{"x angle", &row.AngleX}, {"y angle", &row.AngleY}, {"z angle", &row.AngleZ}}, lineNumber);
    if (finding)
        return {*finding};
    return {};
}

std::optional<ReadFinding> shipExtraLineFinding(const ScenarioLine& line, qsizetype lineNumber)
{
    return extraLineFinding(line, lineNumber, kShipKeywords);
}

std::optional<ReadFinding> stationExtraLineFinding(const ScenarioLine& line, qsizetype lineNumber)
{
    return extraLineFinding(line, lineNumber, kStationKeywords);
}

bool isOneEditApart(QStringView a, QStringView b)
{
    const QString x = a.toString().toUpper();
    const QString y = b.toString().toUpper();
    if (x == y)
        return false;
    if (x.size() == y.size()) {
        qsizetype first = 0;
        while (x[first] == y[first])
            ++first;
        qsizetype last = x.size() - 1;
        while (x[last] == y[last])
            --last;
        // One letter changed, or two neighbours swapped.
        return first == last || (last == first + 1 && x[first] == y[last] && x[last] == y[first]);
    }
    const QString& longer = x.size() > y.size() ? x : y;
    const QString& shorter = x.size() > y.size() ? y : x;
    if (longer.size() != shorter.size() + 1)
        return false;
    qsizetype i = 0;
    while (i < shorter.size() && longer[i] == shorter[i])
        ++i;
    // One letter added: the rest after it matches.
    return QStringView(longer).mid(i + 1) == QStringView(shorter).mid(i);
}

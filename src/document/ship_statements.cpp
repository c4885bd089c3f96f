#include "ship_statements.h"

#include "text_primitives.h"

#include <array>

namespace {

// 'STATUS Docked Earth:Gateway:2', 'STATUS Landed Earth', 'STATUS Orbiting Mars'. The parts are
// taken one after the other, as the format reads them, and each stays stored when a later one
// is missing: 'STATUS Docked Earth:Gateway' keeps the status word and the body.
StatementRead readStatus(const QString& value, ShipRow& row)
{
    const auto status = splitAtFirst(trimBlanks(value), u' ');
    if (!status)
        return StatementRead::malformed(QStringLiteral("needs a status word, a blank and a body"));
    row.Status = status->first;
    const QString word = status->first.toUpper();
    if (word == u"LANDED" || word == u"ORBITING") {
        row.Planet = status->second;
    } else if (word == u"DOCKED") {
        const auto planet = splitAtFirst(trimBlanks(status->second), u':');
        if (!planet)
            return StatementRead::malformed(QStringLiteral("needs body:station:dock"));
        row.Planet = planet->first;
        const auto station = splitAtFirst(planet->second, u':');
        if (!station)
            return StatementRead::malformed(QStringLiteral("needs body:station:dock"));
        row.DockStation = station->first;
        row.DockPort = station->second;
    } else {
        // A status the editor does not know ('STATUS Flying Earth') stores its word, and the
        // writer writes no status line for it: the line is kept as it stands.
        return StatementRead::readAndKept();
    }
    return StatementRead::read();
}

// 'RPOS 1 2 3': each value ends at a blank, so 'RPOS 1  2 3' gives '1', '' and '2 3'. The values
// before a missing blank stay stored.
StatementRead readTriple(const QString& value, QString& x, QString& y, QString& z)
{
    const StatementRead malformed = StatementRead::malformed(QStringLiteral("needs three values"));
    const auto first = splitAtFirst(trimBlanks(value), u' ');
    if (!first)
        return malformed;
    x = first->first;
    const auto rest = splitAtFirst(first->second, u' ');
    if (!rest)
        return malformed;
    y = rest->first;
    z = rest->second;
    return StatementRead::read();
}

} // namespace

void readShipBlockLine(const ScenarioLine& line, ShipRow& row)
{
    if (const auto parts = splitAtFirst(line.trimmed, u':')) {
        row.Name = parts->first;
        row.ClassName = parts->second;
    } else {
        row.Name = line.trimmed;
        row.ClassName.clear();
    }
}

StatementRead readShipStatement(const ScenarioLine& line, ShipRow& row)
{
    const QString& t = line.trimmed;
    const qsizetype length = t.size();
    // Each statement's value is the text behind its keyword and one blank.
    auto value = [&](qsizetype keywordLength) { return lastChars(t, length - keywordLength - 1); };
    const StatementRead noValue = StatementRead::malformed(QStringLiteral("needs a value"));

    if (line.startsWith(u"STATUS")) {
        const auto v = value(6);
        return (v ? readStatus(*v, row) : StatementRead::malformed(QStringLiteral("needs a status word and a body")))
            .of(u"STATUS");
    }
    if (line.startsWith(u"BASE")) {
        const auto v = value(4);
        // 'BASE Port: Alpha:1': the pad is what follows the last ":", base names may hold one.
        const auto parts = v ? splitAtLast(trimBlanks(*v), u':') : std::nullopt;
        if (!parts)
            return StatementRead::malformed(QStringLiteral("needs base:pad")).of(u"BASE");
        row.Base = parts->first;
        row.Pad = parts->second;
        return StatementRead::read().of(u"BASE");
    }
    if (line.startsWith(u"HEADING")) {
        // 'HEADING' without a value leaves the heading empty rather than ending the ship section.
        const auto parts = splitAtFirst(t, u' ');
        row.Heading = parts ? parts->second : QString();
        return StatementRead::read().of(u"HEADING");
    }
    const std::array<std::pair<QStringView, std::array<QString*, 3>>, 3> triples{
        {{u"RPOS", {&row.RposX, &row.RposY, &row.RposZ}},
         {u"RVEL", {&row.RvelX, &row.RvelY, &row.RvelZ}},
         {u"AROT", {&row.ArotX, &row.ArotY, &row.ArotZ}}}};
    for (const auto& [keyword, cells] : triples) {
        if (line.startsWith(keyword)) {
            const auto v = value(4);
            return (v ? readTriple(*v, *cells[0], *cells[1], *cells[2])
                      : StatementRead::malformed(QStringLiteral("needs three values")))
                .of(keyword);
        }
    }
    if (line.startsWith(u"VROT")) {
        const auto v = value(4);
        if (!v)
            return noValue.of(u"VROT");
        row.Vrot = *v;
        return StatementRead::read().of(u"VROT");
    }
    if (line.startsWith(u"FUEL")) {
        const auto v = value(4);
        if (!v)
            return noValue.of(u"FUEL");
        row.Fuel = numericValue(*v) == 0.0 ? QStringLiteral("0") : trimBlanks(*v);
        return StatementRead::read().of(u"FUEL");
    }
    const std::array<std::pair<QStringView, QString*>, 2> engines{
        {{u"ENGINE_MAIN", &row.MainEngine}, {u"ENGINE_HOVR", &row.HoverEngine}}};
    for (const auto& [keyword, cell] : engines) {
        if (line.startsWith(keyword)) {
            const auto v = value(keyword.size());
            if (!v)
                return noValue.of(keyword);
            *cell = trimBlanks(*v);
            return StatementRead::read().of(keyword);
        }
    }
    return StatementRead::other();
}

#include "ship_statements.h"

#include "text_primitives.h"

#include <array>

namespace {

// 'STATUS Docked Earth:Gateway:2', 'STATUS Landed Earth', 'STATUS Orbiting Mars'.
bool readStatus(const QString& value, ShipRow& row)
{
    const auto status = splitAtFirst(trimBlanks(value), u' ');
    if (!status)
        return false;
    row.Status = status->first;
    const QString word = status->first.toUpper();
    if (word == u"LANDED" || word == u"ORBITING") {
        row.Planet = status->second;
    } else if (word == u"DOCKED") {
        const auto planet = splitAtFirst(trimBlanks(status->second), u':');
        const auto station = planet ? splitAtFirst(planet->second, u':') : std::nullopt;
        if (!station)
            return false;
        row.Planet = planet->first;
        row.DockStation = station->first;
        row.DockPort = station->second;
    }
    return true;
}

// 'RPOS 1 2 3': each value ends at a blank, so 'RPOS 1  2 3' gives '1', '' and '2 3'.
bool readTriple(const QString& value, QString& x, QString& y, QString& z)
{
    const auto first = splitAtFirst(trimBlanks(value), u' ');
    const auto rest = first ? splitAtFirst(first->second, u' ') : std::nullopt;
    if (!rest)
        return false;
    x = first->first;
    y = rest->first;
    z = rest->second;
    return true;
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

ShipStatement readShipStatement(const ScenarioLine& line, ShipRow& row)
{
    const QString& t = line.trimmed;
    const qsizetype length = t.size();
    // Each statement's value is the text behind its keyword and one blank.
    auto value = [&](qsizetype keywordLength) { return lastChars(t, length - keywordLength - 1); };
    auto result = [](bool ok) { return ok ? ShipStatement::Read : ShipStatement::Malformed; };

    if (line.startsWith(u"STATUS")) {
        const auto v = value(6);
        return result(v && readStatus(*v, row));
    }
    if (line.startsWith(u"BASE")) {
        const auto v = value(4);
        const auto parts = v ? splitAtFirst(trimBlanks(*v), u':') : std::nullopt;
        if (parts) {
            row.Base = parts->first;
            row.Pad = parts->second;
        }
        return result(parts.has_value());
    }
    if (line.startsWith(u"HEADING")) {
        // 'HEADING' without a value leaves the heading empty rather than ending the ship section.
        const auto parts = splitAtFirst(t, u' ');
        row.Heading = parts ? parts->second : QString();
        return ShipStatement::Read;
    }
    if (line.startsWith(u"RPOS")) {
        const auto v = value(4);
        return result(v && readTriple(*v, row.RposX, row.RposY, row.RposZ));
    }
    if (line.startsWith(u"RVEL")) {
        const auto v = value(4);
        return result(v && readTriple(*v, row.RvelX, row.RvelY, row.RvelZ));
    }
    if (line.startsWith(u"AROT")) {
        const auto v = value(4);
        return result(v && readTriple(*v, row.ArotX, row.ArotY, row.ArotZ));
    }
    if (line.startsWith(u"VROT")) {
        const auto v = value(4);
        if (v)
            row.Vrot = *v;
        return result(v.has_value());
    }
    if (line.startsWith(u"FUEL")) {
        const auto v = value(4);
        if (v)
            row.Fuel = numericValue(*v) == 0.0 ? QStringLiteral("0") : trimBlanks(*v);
        return result(v.has_value());
    }
    const std::array<std::pair<QStringView, QString*>, 2> engines{
        {{u"ENGINE_MAIN", &row.MainEngine}, {u"ENGINE_HOVR", &row.HoverEngine}}};
    for (const auto& [keyword, cell] : engines) {
        if (line.startsWith(keyword)) {
            const auto v = value(keyword.size());
            if (v)
                *cell = trimBlanks(*v);
            return result(v.has_value());
        }
    }
    return ShipStatement::Other;
}

#include "ship_status.h"

#include "text_primitives.h"

ShipStatus shipStatusOf(QStringView cell)
{
    const QStringView word = blankTrimmedView(cell);
    const auto is = [word](QStringView known) { return word.compare(known, Qt::CaseInsensitive) == 0; };
    if (is(u"Landed"))
        return ShipStatus::Landed;
    if (is(u"Docked"))
        return ShipStatus::Docked;
    if (is(u"Orbiting"))
        return ShipStatus::Orbiting;
    return ShipStatus::Unknown;
}

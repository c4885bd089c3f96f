#include "label_placement.h"

#include <algorithm>

QVector<QRectF> placedLabels(const QVector<QRectF>& wanted)
{
    QVector<QRectF> placed;
    placed.reserve(wanted.size());
    for (QRectF label : wanted) {
        // Each move passes one placed label at least, so the search ends after as many moves.
        for (qsizetype tries = 0; tries <= placed.size(); ++tries) {
            const auto overlapped = std::find_if(placed.begin(), placed.end(),
                                                 [&](const QRectF& other) { return other.intersects(label); });
            if (overlapped == placed.end())
                break;
            label.moveTop(overlapped->bottom());
        }
        placed.append(label);
    }
    return placed;
}

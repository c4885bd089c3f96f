#include "label_placement.h"

#include <algorithm>

QVector<std::optional<QRectF>> placedLabels(const QVector<QRectF>& wanted, int maxLines)
{
    QVector<QRectF> placed;
    QVector<std::optional<QRectF>> labels;
    placed.reserve(wanted.size());
    labels.reserve(wanted.size());
    for (const QRectF& asked : wanted) {
        QRectF label = asked;
        const double lowest = asked.top() + maxLines * asked.height();
        // Each move passes one placed label at least, so the search ends after as many moves.
        bool free = false;
        for (qsizetype tries = 0; tries <= placed.size() && label.top() <= lowest; ++tries) {
            const auto overlapped = std::find_if(placed.begin(), placed.end(),
                                                 [&](const QRectF& other) { return other.intersects(label); });
            if (overlapped == placed.end()) {
                free = true;
                break;
            }
            label.moveTop(overlapped->bottom());
        }
        if (free && label.top() <= lowest) {
            placed.append(label);
            labels.append(label);
        } else {
            labels.append(std::nullopt);
        }
    }
    return labels;
}

#include "ui/label_placement.h"

#include <gtest/gtest.h>

namespace {

// A ship parked beside a station and a second ship there: three names asked for at the same
// place go one under another; a name elsewhere and one only touching another stay where asked.
TEST(LabelPlacement, NamesAtOnePlaceGoOneUnderAnotherAndOthersStay)
{
    const QRectF here(100, 100, 60, 14);
    const QRectF far(400, 300, 60, 14);
    const QRectF touching(160, 100, 40, 14);
    const QVector<QRectF> placed = placedLabels({here, here, far, here, touching});
    ASSERT_EQ(placed.size(), 5);
    EXPECT_EQ(placed[0], here);
    EXPECT_EQ(placed[1], here.translated(0, 14));
    EXPECT_EQ(placed[2], far);
    EXPECT_EQ(placed[3], here.translated(0, 28));
    EXPECT_EQ(placed[4], touching);
    for (qsizetype i = 0; i < placed.size(); ++i) {
        for (qsizetype j = i + 1; j < placed.size(); ++j)
            EXPECT_FALSE(placed[i].intersects(placed[j])) << i << " " << j;
    }
}

} // namespace

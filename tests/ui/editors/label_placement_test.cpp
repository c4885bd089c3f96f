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
    const QVector<std::optional<QRectF>> placed = placedLabels({here, here, far, here, touching});
    ASSERT_EQ(placed.size(), 5);
    for (const auto& label : placed)
        ASSERT_TRUE(label);
    EXPECT_EQ(*placed[0], here);
    EXPECT_EQ(*placed[1], here.translated(0, 14));
    EXPECT_EQ(*placed[2], far);
    EXPECT_EQ(*placed[3], here.translated(0, 28));
    EXPECT_EQ(*placed[4], touching);
    for (qsizetype i = 0; i < placed.size(); ++i) {
        for (qsizetype j = i + 1; j < placed.size(); ++j)
            EXPECT_FALSE(placed[i]->intersects(*placed[j])) << i << " " << j;
    }
}

// Names crowded at the centre of a map go at most three lines down; the others are left out
// rather than pushed into a column far from their objects, and what is left out does not keep
// a later name from its own place.
TEST(LabelPlacement, NamesThatWouldMoveFarFromTheirObjectAreLeftOut)
{
    const QRectF centre(100, 100, 60, 14);
    const QRectF below(100, 170, 60, 14);
    const QVector<std::optional<QRectF>> placed = placedLabels({centre, centre, centre, centre, centre, below});
    ASSERT_EQ(placed.size(), 6);
    for (int k = 0; k < 4; ++k) {
        ASSERT_TRUE(placed[k]) << k;
        EXPECT_EQ(*placed[k], centre.translated(0, 14 * k));
    }
    EXPECT_FALSE(placed[4]);
    ASSERT_TRUE(placed[5]);
    EXPECT_EQ(*placed[5], below);
}

} // namespace

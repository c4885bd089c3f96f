#include "document/ship_status.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

TEST(ShipStatus, TheKnownWordsInAnyCaseBetweenBlanksAndNothingElse)
{
    const std::pair<const char*, ShipStatus> cells[] = {
        {"Landed", ShipStatus::Landed},     {"  docked ", ShipStatus::Docked},
        {"ORBITING", ShipStatus::Orbiting}, {"oRbItInG  ", ShipStatus::Orbiting},
        {"Flying", ShipStatus::Unknown},    {"", ShipStatus::Unknown},
        {"   ", ShipStatus::Unknown},       {"Landed Earth", ShipStatus::Unknown},
        {"Dock", ShipStatus::Unknown},      {"Orbiting\t", ShipStatus::Unknown}, // a tab is no blank
    };
    for (const auto& [cell, status] : cells)
        EXPECT_EQ(shipStatusOf(QString::fromLatin1(cell)), status) << '"' << cell << '"';
}

} // namespace

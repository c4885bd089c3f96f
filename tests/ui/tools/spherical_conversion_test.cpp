#include "ui/spherical_conversion.h"

#include "document/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct AngleCase
{
    const char* name;
    const char* text;
    double degrees;
};

class WholeDegrees : public ::testing::TestWithParam<AngleCase>
{
};

TEST_P(WholeDegrees, RoundsHalvesToEvenAndKeepsTheSignOfTheRemainder)
{
    EXPECT_EQ(wholeDegrees(QString::fromLatin1(GetParam().text)), GetParam().degrees);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, WholeDegrees,
    ::testing::Values(AngleCase{"below_half", "60.4", 60}, AngleCase{"half_to_even_down", "60.5", 60},
                      AngleCase{"half_to_even_up", "61.5", 62}, AngleCase{"half_44", "44.5", 44},
                      AngleCase{"half_45", "45.5", 46}, AngleCase{"negative_half", "-45.5", -46},
                      AngleCase{"above_turn", "390", 30}, AngleCase{"negative_stays", "-30", -30},
                      AngleCase{"negative_above_turn", "-390", -30}, AngleCase{"full_turn", "720", 0},
                      AngleCase{"leading_blanks_and_tail", "  75deg", 75},
                      AngleCase{"not_a_number", "abc", 0}, AngleCase{"empty", "", 0},
                      AngleCase{"exponent", "4.2e2", 60}, AngleCase{"beyond_32_bits", "1e12", 280},
                      AngleCase{"huge", "1e300", std::fmod(1e300, 360.0)}),
    [](const ::testing::TestParamInfo<AngleCase>& info) { return std::string(info.param.name); });

TEST(SphericalToCartesian, OpeningValuesGiveTheVectorOfRadius100)
{
    const CartesianText result = sphericalToCartesian(u"100", u"60", u"30");
    // 100 cos 30° cos 60° = 25 √3, written with 15 significant digits.
    EXPECT_EQ(result.x, QStringLiteral("43.3012701892219"));
    EXPECT_EQ(result.x, numberText(25.0 * std::sqrt(3.0)));
    EXPECT_EQ(result.y, QStringLiteral("75"));
    EXPECT_EQ(result.z, QStringLiteral("50"));
}

TEST(SphericalToCartesian, ResidueOfCos90IsShownInExponentFormNotAsZero)
{
    const CartesianText result = sphericalToCartesian(u"100", u"90", u"0");
    EXPECT_EQ(result.x, QStringLiteral("6.12323399573677E-15"));
    EXPECT_EQ(result.y, QStringLiteral("100"));
    EXPECT_EQ(result.z, QStringLiteral("0"));
}

TEST(SphericalToCartesian, ZeroResultsOfEitherSignAreThePlainZero)
{
    // cos(180°) is negative, so 0 × cos(el) × cos(az) is a negative zero.
    for (const char16_t* radius : {u"", u"abc", u"0", u"-0"}) {
        const CartesianText result = sphericalToCartesian(radius, u"180", u"30");
        EXPECT_EQ(result.x, QStringLiteral("0"));
        EXPECT_EQ(result.y, QStringLiteral("0"));
        EXPECT_EQ(result.z, QStringLiteral("0"));
    }
}

TEST(SphericalToCartesian, AnglesAreTakenAsTheirRoundedRemainder)
{
    const CartesianText reference = sphericalToCartesian(u"100", u"60", u"30");
    for (const char16_t* azimuth : {u"420", u"60.4", u"60.5", u"-300"}) {
        const CartesianText result = sphericalToCartesian(u"100", azimuth, u"30");
        EXPECT_EQ(result.x, reference.x);
        EXPECT_EQ(result.y, reference.y);
    }
    const CartesianText huge = sphericalToCartesian(u"100", u"1e12", u"0");
    const CartesianText same = sphericalToCartesian(u"100", u"280", u"0");
    EXPECT_EQ(huge.x, same.x);
    EXPECT_EQ(huge.y, same.y);
}

TEST(SphericalToCartesian, RadiusIsNotRoundedAndLargeResultsUseTheExponent)
{
    EXPECT_EQ(sphericalToCartesian(u"2.5", u"0", u"0").x, QStringLiteral("2.5"));
    EXPECT_EQ(sphericalToCartesian(u"-7", u"0", u"90").z, QStringLiteral("-7"));
    EXPECT_EQ(sphericalToCartesian(u"3e20", u"0", u"0").x, QStringLiteral("3E+20"));
}

} // namespace

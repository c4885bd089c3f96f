#include "document/dates.h"
#include "document/number_text.h"
#include "document/text_primitives.h"
#include "qt_print.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

TEST(NumberText, WritesConvertedNumbers)
{
    struct Case
    {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {1.0, "1"},
        {-2.0, "-2"},
        {0.5, "0.5"},
        {51544.5, "51544.5"},
        {51544.4375, "51544.4375"},
        {1.5e15, "1.5E+15"},
        {6.12323399573677e-15, "6.12323399573677E-15"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {-0.25, "-0.25"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberText(c.value), QString::fromLatin1(c.text)) << c.text;
    EXPECT_EQ(convertedNumber(1.0), u" 1"_s);
    EXPECT_EQ(convertedNumber(-2.0), u"-2"_s);
    EXPECT_EQ(convertedNumber(0.0), u" 0"_s);
}

// What the forms show: never an exponent, so the editor's own number test accepts it.
TEST(NumberText, PlainNumbersHaveNoExponent)
{
    struct Case
    {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},           {1e-7, "0.0000001"},          {-1e-5, "-0.00001"},
        {1.5e15, "1500000000000000"}, {1.0 / 3.0, "0.333333333333333"}, {123456789012345678.0, "123456789012346000"},
        {6700000.0, "6700000"}, {-0.25, "-0.25"},             {51544.4375, "51544.4375"},
    };
    for (const auto& c : cases) {
        const QString text = plainNumberText(c.value);
        EXPECT_EQ(text, QString::fromLatin1(c.text)) << c.text;
        EXPECT_TRUE(IsANumber(text)) << c.text;
    }
    for (const double value : {1e-300, -1.7976931348623157e308, 0.1, 12345.678901234567})
        EXPECT_DOUBLE_EQ(numericValue(plainNumberText(value)), numericValue(numberText(value)))
            << value;
}

TEST(Dates, DayZeroIsTheLastDayOf1899)
{
    EXPECT_EQ(dayNumber(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(dayNumber(QDate(2000, 1, 1)) + kMjdOffset, 51544.0);
    EXPECT_EQ(dateOfDayNumber(36526), QDate(2000, 1, 1));
    EXPECT_EQ(mjdOf(QDate(2000, 1, 1), 10, 30), 51544.4375);
}

TEST(Dates, SplittingTruncatesSecondsButKeepsEveryWrittenMinute)
{
    const DayTime noon = splitDayNumber(51544.5 - kMjdOffset);
    EXPECT_EQ(noon.date, QDate(2000, 1, 1));
    EXPECT_EQ(noon.hour, 12);
    EXPECT_EQ(noon.minute, 0);
    const DayTime seconds = splitDayNumber(36526.0 + (10 * 60 + 30 + 0.99) / 1440.0);
    EXPECT_EQ(seconds.minute, 30);
    const DayTime carried = splitDayNumber(36526.0 + 1.0 - 1e-10);
    EXPECT_EQ(carried.date, QDate(2000, 1, 2));
    EXPECT_EQ(carried.hour, 0);
    EXPECT_EQ(carried.minute, 0);

    // Every minute of a day, written as the file holds it and read back, keeps its minute:
    // plain truncation turned 16:48 of 2000-01-01 (MJD 51544.7) into 16:47.
    for (const QDate date : {QDate(2000, 1, 1), QDate(2024, 2, 29), QDate(1969, 7, 20)}) {
        for (int minute = 0; minute < 1440; ++minute) {
            const QString written = numberText(mjdOf(date, minute / 60, minute % 60));
            const DayTime read = splitDayNumber(numericValue(written) - kMjdOffset);
            ASSERT_EQ(read.date, date) << written.toStdString();
            ASSERT_EQ(read.hour * 60 + read.minute, minute) << written.toStdString();
        }
    }
}

TEST(Dates, ExtremeValuesGiveADate)
{
    for (const double day : {1e300, -1e300, std::nan(""), HUGE_VAL})
        EXPECT_TRUE(splitDayNumber(day).date.isValid()) << day;
}

} // namespace

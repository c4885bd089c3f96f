#include "document/text_primitives.h"
#include "qt_print.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct TextCase
{
    const char* name;
    QString input;
    QString expected;
};

TEST(ClearComments, RemovesCommentsAndTrailingControlCharacters)
{
    const TextCase cases[] = {
        {"comment-trims", QStringLiteral("  RPOS 1 2 3 ; comment"), QStringLiteral("RPOS 1 2 3")},
        {"no-comment-keeps-indent", QStringLiteral("  RPOS 1 2 3"), QStringLiteral("  RPOS 1 2 3")},
        {"only-comment", QStringLiteral("; only a comment"), QString()},
        {"control-only", QStringLiteral("\t\r\n\x01"), QString()},
        {"trailing-cr", QStringLiteral("A = 1\r"), QStringLiteral("A = 1")},
        {"inner-tab-kept", QStringLiteral("A\tB \t"), QStringLiteral("A\tB ")},
        {"first-semicolon", QStringLiteral("A;B;C"), QStringLiteral("A")},
        {"empty", QString(), QString()},
    };
    for (const auto& c : cases) {
        QString mot = c.input;
        const QString result = ClearComments(mot);
        EXPECT_EQ(result, c.expected) << c.name;
        EXPECT_EQ(mot, c.expected) << c.name << ": changed in place";
    }
}

TEST(GetNumberValue, KeepsTheDigitsAsAWholeNumber)
{
    const TextCase cases[] = {
        {"dock", QStringLiteral("Dock 12"), QStringLiteral("12")},
        {"leading-zero", QStringLiteral("a0b7"), QStringLiteral("7")},
        {"point-dropped", QStringLiteral("1.5"), QStringLiteral("15")},
        {"no-digit", QStringLiteral("pad"), QStringLiteral("0")},
        {"empty", QString(), QStringLiteral("0")},
        {"zeros", QStringLiteral("000"), QStringLiteral("0")},
        {"sign-dropped", QStringLiteral("-3"), QStringLiteral("3")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetNumberValue(c.input), c.expected) << c.name;
}

TEST(IsANumber, AcceptsOnlyPlainDecimals)
{
    for (const char* yes : {"12", "-0.5", ".5", "5.", ".", "-.5", "007", " 3 "})
        EXPECT_TRUE(IsANumber(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"", "-", "1e5", "1,5", "+3", "--1", "1 2", "Toto", "1.2.3", "\t1"})
        EXPECT_FALSE(IsANumber(QString::fromLatin1(no))) << no;
}

TEST(NumericValue, ReadsTheLeadingDecimalNumber)
{
    struct Case
    {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"6.371e6", 6.371e6},
        {"  -2.5xyz", -2.5},
        {"+4", 4.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"2E-3 m", 0.002},
        {"abc", 0.0},
        {"", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"1,5", 1.0},
        {"1e999", std::numeric_limits<double>::max()},
        {"-1e999", -std::numeric_limits<double>::max()},
        {"1e-999", 0.0},
        {"\t1", 0.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numericValue(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(TrimBlanks, RemovesBlanksButNotTabs)
{
    EXPECT_EQ(trimBlanks(u"  a b  "), QStringLiteral("a b"));
    EXPECT_EQ(trimBlanks(u"\ta\t"), QStringLiteral("\ta\t"));
    EXPECT_EQ(trimLeadingBlanks(u"  a  "), QStringLiteral("a  "));
    EXPECT_EQ(trimTrailingBlanks(u"  a  "), QStringLiteral("  a"));
}

TEST(CharacterCuts, ClampInsteadOfFailing)
{
    const QString text = QStringLiteral("abc");
    EXPECT_EQ(leftChars(text, 5), text);
    EXPECT_EQ(leftChars(text, -1), QString());
    EXPECT_EQ(rightChars(text, 2), QStringLiteral("bc"));
    EXPECT_EQ(rightChars(text, -1), QString());
    EXPECT_EQ(midChars(text, 3), QString());
    EXPECT_EQ(midChars(text, -2), text);
}

} // namespace

#include "document/text_primitives.h"
#include "qt_print.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

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
        {"comment-trims", u"  RPOS 1 2 3 ; comment"_s, u"RPOS 1 2 3"_s},
        {"no-comment-keeps-indent", u"  RPOS 1 2 3"_s, u"  RPOS 1 2 3"_s},
        {"only-comment", u"; only a comment"_s, QString()},
        {"control-only", u"\t\r\n\x01"_s, QString()},
        {"trailing-cr", u"A = 1\r"_s, u"A = 1"_s},
        {"inner-tab-kept", u"A\tB \t"_s, u"A\tB "_s},
        {"first-semicolon", u"A;B;C"_s, u"A"_s},
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
        {"dock", u"Dock 12"_s, u"12"_s},      {"leading-zero", u"a0b7"_s, u"7"_s},
        {"point-dropped", u"1.5"_s, u"15"_s}, {"no-digit", u"pad"_s, u"0"_s},
        {"empty", QString(), u"0"_s},         {"zeros", u"000"_s, u"0"_s},
        {"sign-dropped", u"-3"_s, u"3"_s},
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
    EXPECT_EQ(trimBlanks(u"  a b  "), u"a b"_s);
    EXPECT_EQ(trimBlanks(u"\ta\t"), u"\ta\t"_s);
    EXPECT_EQ(trimLeadingBlanks(u"  a  "), u"a  "_s);
    EXPECT_EQ(trimTrailingBlanks(u"  a  "), u"  a"_s);
}

TEST(CharacterCuts, ClampInsteadOfFailing)
{
    const QString text = u"abc"_s;
    EXPECT_EQ(leftChars(text, 5), text);
    EXPECT_EQ(leftChars(text, -1), QString());
    EXPECT_EQ(rightChars(text, 2), u"bc"_s);
    EXPECT_EQ(rightChars(text, -1), QString());
    EXPECT_EQ(midChars(text, 3), QString());
    EXPECT_EQ(midChars(text, -2), text);
}

} // namespace

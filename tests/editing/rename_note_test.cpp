#include "editing/rename_note.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(RenameNote, ToldOnlyWhileTheTypedNameDiffersLetterCaseIncluded)
{
    struct Case
    {
        QString stored;
        QString typed;
        QString expected;
    };
    const Case cases[] = {
        {u"Nightjar"_s, u"Nightjar"_s, QString()},
        {u"Nightjar"_s, u"Nightjar II"_s, u"Validation renames Nightjar to Nightjar II"_s},
        {u"Nightjar"_s, u"NIGHTJAR"_s, u"Validation renames Nightjar to NIGHTJAR"_s},
        {u"Nightjar"_s, u"Nightjar "_s, u"Validation renames Nightjar to Nightjar "_s},
        {u"Nightjar"_s, QString(), u"Validation renames Nightjar to an empty name"_s},
        {QString(), u"Drifter"_s, u"Validation names it Drifter"_s},
        {QString(), QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(renameNote(c.stored, c.typed), c.expected) << c.typed.toStdString();
}

} // namespace

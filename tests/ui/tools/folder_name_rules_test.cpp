#include "ui/folder_name_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderNameRules, AcceptsOrdinaryNames)
{
    for (const char* name : {"New scenario folder", "Missions 2", "a..b", " leading blank", "Äpfel",
                             "con-test", "COM0", "LPT10", ".hidden"})
        EXPECT_TRUE(folderNameProblem(QString::fromUtf8(name)).isEmpty()) << name;
}

TEST(FolderNameRules, RefusesNamesThatLeaveTheFolderOrThatASystemRefuses)
{
    struct Case
    {
        const char* name;
        const char* reason; // a word the explanation must hold
    };
    for (const Case& c :
         {Case{"..", "inside"}, Case{".", "inside"}, Case{"../escape", "characters"},
          Case{"a/b", "characters"}, Case{"a\\b", "characters"}, Case{"C:", "characters"},
          Case{"what?", "characters"}, Case{"star*", "characters"}, Case{"pipe|", "characters"},
          Case{"quote\"", "characters"}, Case{"<x>", "characters"}, Case{"tab\there", "control"},
          Case{"ends with blank ", "end"}, Case{"ends with point.", "end"}, Case{"CON", "reserved"},
          Case{"nul.txt", "reserved"}, Case{"com1", "reserved"}, Case{"LPT9.old", "reserved"}}) {
        const QString problem = folderNameProblem(QString::fromUtf8(c.name));
        EXPECT_TRUE(problem.contains(QString::fromLatin1(c.reason)))
            << c.name << ": " << problem.toStdString();
    }
}

} // namespace

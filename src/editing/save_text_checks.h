#pragma once

#include "document/scenario.h"
#include "user_message.h"

// Before a scenario is written: a description that would read back cut is refused with a
// message naming the line, and characters that the file cannot hold are named and written as
// '?' only when the user agrees. Whether the save may go on.
bool checkTextBeforeSaving(const Scenario& doc, UserDialogs& dialogs);

// While a text is typed: the characters of `text` that the file cannot hold, named, and that
// Save will ask about them; empty when the file holds every character.
QString unwritableCharactersHint(const QString& text);

// While the description is typed: why Save would refuse it and which of its characters the file
// cannot hold, one per line; empty when Save will write it as it stands.
QString descriptionHint(const QString& description);

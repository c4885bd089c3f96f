#pragma once

#include <QString>

// The note beside a station or ship name box while the name typed there differs from the name
// the shown row is stored under: validation will store the typed name. Empty while they are
// the same (letter case counts: "NIGHTJAR" renames "Nightjar").
//   "Validation renames Nightjar to Nightjar II"
//   "Validation renames Nightjar to an empty name"
//   "Validation names it Nightjar"   (a list without entries: the name is the first one)
QString renameNote(const QString& storedName, const QString& typedName);

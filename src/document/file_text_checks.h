#pragma once

#include <QString>

// Checks of text before it is written into a file of the simulator, so that no save makes a
// file that reads back differently.

// The message refusing a description (of a scenario or of a folder) that holds a line which,
// read back, would end the description ('END_DESC', indented or not) or open a section (an
// unindented 'BEGIN_SHIPS', 'BEGIN_MFD Left' ...); empty when
// every line is fine. The message names the first such line.
QString descriptionRefusal(const QString& description);

// The characters of a text that Windows-1252 cannot hold, each once, in the order they first
// occur ('ΩΔЖук' of 'Ωmega Δ Жук'); the writer would put '?' in their place.
QString unwritableCharacters(const QString& text);

#pragma once

#include <QString>

// The folder dialogs that change files on disk stay inside the scenario tree: the scenario root
// and the folders below it. An empty root (no simulator folder known) or one that does not exist
// contains nothing, not even the working folder.

// Whether `folder` is the root or lies below it (either separator, with or without a trailing one).
bool isWithinScenarioTree(const QString& folder, const QString& root);

// Whether `folder` is the scenario root itself.
bool isScenarioRoot(const QString& folder, const QString& root);

// Why the scenario file at `path` can not be opened from the dialogs, or the empty text when it
// can: it must be a regular file (no FIFO, device or folder) inside the scenario tree.
QString unreadableScenarioProblem(const QString& path, const QString& root);

// Why the scenario file at `path` can not be written from the dialogs, or the empty text when it
// can: a new file, or a regular file inside the scenario tree. Writing through a link that leads
// out of the tree, or over a FIFO, a device or a folder, is refused.
QString unwritableScenarioProblem(const QString& path, const QString& root);

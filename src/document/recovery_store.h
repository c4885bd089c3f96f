#pragma once

#include "safe_write.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

// Recovery copies keep the unsaved changes of a scenario, so that a crash or a killed session
// loses at most the last moments of work. They live in the recovery folder, at most one copy per
// scenario path, as two files named by recoveryName() of that path:
//   NAME.scn   the writer's output for the modified document, byte for byte what Save would
//              write, so that the scenario reader reads it as it reads the scenario itself;
//   NAME.path  the absolute path of the scenario the copy belongs to, in UTF-8, no line end.
// A copy exists only when both files do. The path file is written first and each file goes
// through the safe write, so a failed or interrupted write never leaves a copy that is offered
// with content that was not written whole.

struct RecoveryCopy
{
    QString scenarioPath; // the scenario the copy belongs to, as its path file holds it
    QString filePath;     // NAME.scn, holding the recovered scenario
    QDateTime written;    // when the copy was last written (the modification time of NAME.scn)
};

// $XDG_STATE_HOME/corvane-scenario-editor/recovery; ~/.local/state stands for XDG_STATE_HOME
// when it is unset or not an absolute path. The folder may not exist yet: the first write
// creates it.
QString recoveryFolder();

// The name both files of the copy of `scenarioPath` carry before their suffix: the SHA-1 of the
// path's fileSystemKey() in UTF-8, as 40 lower-case hex digits. The same for every spelling of
// one path, different for different paths.
QString recoveryName(const QString& scenarioPath);

// Writes `bytes` (the writer's output) as the copy of `scenarioPath` in `folder`, replacing the
// copy there. When the write fails, the previous copy stays as it was, or there is none.
WriteResult writeRecoveryCopy(const QString& folder, const QString& scenarioPath, const QByteArray& bytes);

// Removes the copy of `scenarioPath`; whether none is left.
bool removeRecoveryCopy(const QString& folder, const QString& scenarioPath);

// The copy of `scenarioPath` in `folder`, if there is one.
std::optional<RecoveryCopy> findRecoveryCopy(const QString& folder, const QString& scenarioPath);

// Every copy in `folder`, the most recently written first. Files that do not form a copy (a
// path file alone, a file of another name) are passed over.
QList<RecoveryCopy> recoveryCopies(const QString& folder);

// Whether the copy is offered to the user: it was written after its scenario was last
// modified, or its scenario no longer exists. An older copy holds changes the scenario has
// since replaced.
bool isRecoveryOffered(const RecoveryCopy& copy);

// "Unsaved changes to NAME from DATE were recovered. Restore them?", NAME the scenario's file
// name and DATE the local date and time when the copy was written, in `locale`'s long date and
// short time formats.
QString recoveryQuestion(const QString& scenarioPath, const QDateTime& written,
                         const QLocale& locale = QLocale());

#include "recovery_store.h"

#include "file_paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kCopySuffix = QStringLiteral(".scn");
const QString kPathSuffix = QStringLiteral(".path");

// A path file is a path; anything longer is not one of ours and is not read whole.
constexpr qint64 kLongestPathFile = 1 << 16;

QString filePathIn(const QString& folder, const QString& name, const QString& suffix)
{
    return QDir(folder).filePath(name + suffix);
}

std::optional<QString> readPathFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kLongestPathFile + 1);
    if (bytes.isEmpty() || bytes.size() > kLongestPathFile)
        return std::nullopt;
    return QString::fromUtf8(bytes);
}

// The copy named `name` when both of its files are there and its path file names a scenario
// whose recovery name is `name`.
std::optional<RecoveryCopy> copyNamed(const QString& folder, const QString& name)
{
    const QFileInfo copy(filePathIn(folder, name, kCopySuffix));
    if (!copy.isFile())
        return std::nullopt;
    const std::optional<QString> scenarioPath = readPathFile(filePathIn(folder, name, kPathSuffix));
    if (!scenarioPath || recoveryName(*scenarioPath) != name)
        return std::nullopt;
    return RecoveryCopy{*scenarioPath, copy.absoluteFilePath(), copy.lastModified()};
}

} // namespace

QString recoveryFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(state + QStringLiteral("/corvane-scenario-editor/recovery"));
}

QString recoveryName(const QString& scenarioPath)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(fileSystemKey(scenarioPath).toUtf8(), QCryptographicHash::Sha1).toHex());
}

WriteResult writeRecoveryCopy(const QString& folder, const QString& scenarioPath, const QByteArray& bytes)
{
    if (!QDir().mkpath(folder)) {
        WriteResult failed;
        failed.path = folder;
        failed.error = QStringLiteral("The folder could not be created");
        return failed;
    }
    const QString name = recoveryName(scenarioPath);
    const QString copyFile = filePathIn(folder, name, kCopySuffix);
    const QString pathFile = filePathIn(folder, name, kPathSuffix);
    const bool hadCopy = QFileInfo(copyFile).isFile();
    // The path file changes only with the path; a copy written every few seconds does not
    // rewrite it each time.
    const QString absolutePath = QDir::cleanPath(QFileInfo(scenarioPath).absoluteFilePath());
    if (readPathFile(pathFile) != absolutePath) {
        const WriteResult pathWrite = writeFileSafely(pathFile, absolutePath.toUtf8());
        if (!pathWrite.ok)
            return pathWrite;
    }
    const WriteResult copyWrite = writeFileSafely(copyFile, bytes);
    if (!copyWrite.ok && !hadCopy)
        QFile::remove(pathFile);
    return copyWrite;
}

bool removeRecoveryCopy(const QString& folder, const QString& scenarioPath)
{
    // The copy first: a removal cut short leaves a path file alone, which is no copy.
    const QString name = recoveryName(scenarioPath);
    bool removed = true;
    for (const QString& suffix : {kCopySuffix, kPathSuffix}) {
        const QString path = filePathIn(folder, name, suffix);
        if (QFileInfo::exists(path) && !QFile::remove(path))
            removed = false;
    }
    return removed;
}

std::optional<RecoveryCopy> findRecoveryCopy(const QString& folder, const QString& scenarioPath)
{
    return copyNamed(folder, recoveryName(scenarioPath));
}

QList<RecoveryCopy> recoveryCopies(const QString& folder)
{
    QList<RecoveryCopy> copies;
    const QStringList pathFiles = QDir(folder).entryList({u'*' + kPathSuffix}, QDir::Files, QDir::Name);
    for (const QString& pathFile : pathFiles) {
        if (auto copy = copyNamed(folder, pathFile.chopped(kPathSuffix.size())))
            copies.append(*copy);
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.written > b.written; });
    return copies;
}

bool isRecoveryOffered(const RecoveryCopy& copy)
{
    const QFileInfo scenario(copy.scenarioPath);
    return !scenario.exists() || copy.written > scenario.lastModified();
}

QString recoveryQuestion(const QString& scenarioPath, const QDateTime& written, const QLocale& locale)
{
    const QDateTime local = written.toLocalTime();
    const QString date = locale.toString(local.date(), QLocale::LongFormat) + u' ' +
                         locale.toString(local.time(), QLocale::ShortFormat);
    return QStringLiteral("Unsaved changes to %1 from %2 were recovered. Restore them?")
        .arg(QFileInfo(scenarioPath).fileName(), date);
}

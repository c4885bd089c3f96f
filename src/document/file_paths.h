#pragma once

#include <QString>

#include <optional>

// Paths in the simulator's files use '\'. Every folder value of the editor keeps a trailing
// separator so that file names are appended directly (CfgDir + "Earth.cfg"); these helpers
// build such paths with the platform separator and find files whatever their letter case.

// Turns every '\' into '/' (Qt's separator on every platform).
QString toSlashes(const QString& path);

// Joins a folder and a relative part without doubling or dropping the separator:
// joinPath("/sim", "\\Config\\") gives "/sim/Config/".
QString joinPath(const QString& folder, const QString& part);

// The same path with exactly one trailing separator.
QString withTrailingSeparator(const QString& folder);

// The path as it is on disk: when the path does not exist as given, each component that does
// not exist is looked up in its folder without regard to letter case. A path that has no match
// comes back with the unmatched components as given.
QString resolvePath(const QString& path);

// resolvePath, or std::nullopt when the listing of an open FolderListingScope shows that the
// path's folder holds nothing of that name in any letter case: a reader then knows the file is
// missing without asking the system. Without a scope, or where the listing cannot tell (a
// folder that cannot be listed, a path ending with a separator), the path is resolved.
std::optional<QString> resolveListedPath(const QString& path);

// While one lives, resolvePath on this thread lists each folder once and finds a file's letter
// case in a map of that listing, so that a scan looking up n files that do not exist as given
// costs n look-ups, not n listings of the folder. A scope opened inside another adds nothing.
// Files created or removed during its life are not seen by the look-up, and a file missing
// from a listing is not opened by the readers (see resolveListedPath).
class FolderListingScope
{
public:
    FolderListingScope();
    ~FolderListingScope();
    FolderListingScope(const FolderListingScope&) = delete;
    FolderListingScope& operator=(const FolderListingScope&) = delete;

    class Listings;

private:
    Listings* owned_ = nullptr;
};

// The path to write to: the existing file whose name differs only in letter case when there is
// one (so a folder never holds both "Test.scn" and "test.scn"), else the path as given, its
// folders matched on disk as resolvePath does.
QString writeTargetPath(const QString& path);

// The form in which two paths of one file compare equal, as the file system compares them:
// absolute, cleaned ("." and ".." resolved, one separator between components), and in lower
// case where the file system ignores letter case (Windows, macOS). Symbolic links are not
// followed, so that the form stays the same after the file is deleted.
QString fileSystemKey(const QString& path);

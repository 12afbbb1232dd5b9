#pragma once

#include "platform/winerror.h"

#include <QString>

// Checks the wizard pages make before they trust a folder typed by the
// user. Paths are Windows-form paths of at most 259 characters.

// Opens the listing of path + "\*.*" (withWildcard) or of path itself:
// 0 when it opens, also for an empty folder; else the system error code
// (PathNotFound for a missing folder, AccessDenied for one that may not be
// listed).
win::ErrorCode ProbeFolder(const QString &path, bool withWildcard);

// True when the listing can be opened.
bool FolderExists(const QString &path, bool withWildcard);

// True when the listing holds an entry other than "." and "..". Without the
// wildcard the pattern is the folder itself, so this tells whether it
// exists at all.
bool FolderHasEntries(const QString &path, bool withWildcard);

enum PathKind {
    PathKindNone = 0,
    PathKindFile = 1,
    PathKindFolder = 2,  // an existing folder or a drive root
};

PathKind GetPathKind(const QString &path);

enum class ShelfPathSyntax {
    TooShort,
    Malformed,
    Acceptable,  // well formed; the folder may or may not exist
};

// Whether a path typed for a new folder is well formed: a drive, no
// trailing or doubled backslash, no character Windows refuses in names,
// and not an existing file.
ShelfPathSyntax CheckShelfPathSyntax(const QString &path);

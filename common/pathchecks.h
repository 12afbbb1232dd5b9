#pragma once

#include "platform/winerror.h"

#include <QString>
#include <QStringView>

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

// What the pages tell the user when a typed path is malformed: it may hold
// characters that paths cannot hold or that lie outside JIS X 0208.
inline constexpr QStringView MalformedPathHint =
    u"パス名に使用できない文字、もしくは環境依存文字(JIS X 0208以外の文字)が使用されている可能性があります。";

// "パス(<path>)が存在しません。" followed by the hint on a line of its own.
QString PathMissingMessage(const QString &path);

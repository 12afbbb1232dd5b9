#pragma once

#include <QString>

// The functions of the suite's common library that ShelfWarden calls.
class SuiteServices
{
public:
    virtual ~SuiteServices() = default;

    // IsWin2KorXP: the suite keeps its data in the per-user data folder.
    virtual bool isWin2KorXP() const = 0;
    // GetMyDataDir: the per-user data folder for a program folder given
    // without its trailing backslash; empty when there is none.
    virtual QString myDataDir(const QString &programFolder) const = 0;
    // GetLongPath.
    virtual QString longPath(const QString &path) const = 0;
    // CatPath: name appended to path with one backslash between.
    virtual QString catPath(const QString &path, const QString &name) const = 0;
};

#pragma once

#include "suiteservices.h"

#include "platform/suitelibrary.h"

// The suite services taken from "suitecommon.DLL", loaded by name.
class SuiteCommonLibrary final : public SuiteServices
{
public:
    SuiteCommonLibrary() = default;
    Q_DISABLE_COPY_MOVE(SuiteCommonLibrary)

    static constexpr char16_t LibraryName[] = u"suitecommon.DLL";

    // False when the library or one of its functions is missing.
    bool load();

    bool isWin2KorXP() const override;
    QString myDataDir(const QString &programFolder) const override;
    QString longPath(const QString &path) const override;
    QString catPath(const QString &path, const QString &name) const override;

private:
    using IsWin2KorXPFunction = int();
    using GetMyDataDirFunction = int(const char16_t *, char16_t *);
    using GetLongPathFunction = int(const char16_t *, char16_t *);
    using CatPathFunction = int(char16_t *, const char16_t *);

    win::SuiteLibrary m_library;
    IsWin2KorXPFunction *m_isWin2KorXP = nullptr;
    GetMyDataDirFunction *m_getMyDataDir = nullptr;
    GetLongPathFunction *m_getLongPath = nullptr;
    CatPathFunction *m_catPath = nullptr;
};

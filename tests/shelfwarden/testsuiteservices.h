#pragma once

#include "suiteservices.h"

// The suite services straight from the linked suitecommon library, with
// IsWin2KorXP chosen by the test.
class TestSuiteServices final : public SuiteServices
{
public:
    bool perUserDataFolder = true;

    bool isWin2KorXP() const override;
    QString myDataDir(const QString &programFolder) const override;
    QString longPath(const QString &path) const override;
    QString catPath(const QString &path, const QString &name) const override;
};

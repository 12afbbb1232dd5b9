#pragma once

#include "jetdaotest.h"

#include "suitesample.h"

// A workspace with generated suite data with albums in its folder suite
// (D:\suite): seven bookshelves, the first two alike, then one each of
// another construction number, another standard, password, in use
// elsewhere, and one whose data is gone.
class AlbumSuiteTest : public JetDaoTest
{
protected:
    static constexpr int Shelves = 7;
    static constexpr int Albums = 3;
    static constexpr int Photos = 25;

    void SetUp() override;

    static QString suiteWinPath() { return QStringLiteral("D:\\suite"); }
    QString shelfHostFolder(int shelf) const;
};

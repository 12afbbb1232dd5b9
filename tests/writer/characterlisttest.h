#pragma once

#include "workspacetest.h"

#include <QString>

// A workspace with the character lists the build shipped, in the program
// folder mapped as drive P:, and the three text services called with the
// buffer sizes the input checks use.
class CharacterListTest : public WorkspaceTest
{
protected:
    static constexpr char16_t ShippedLists[] = u"P:";
    // What the input checks give the services: 512 units, 512 bytes.
    static constexpr int CheckBufferUnits = 512;
    static constexpr int CheckBufferBytes = 512;

    struct Outcome
    {
        int result = 0;
        QString text;  // dst or out
    };

    void SetUp() override;

    static Outcome transform(const QString &text, int strict = 0,
                             const QString &folder = QString::fromUtf16(ShippedLists),
                             int dstCount = CheckBufferUnits);
    static Outcome forbidden(const QString &text, int strict = 0,
                             const QString &folder = QString::fromUtf16(ShippedLists),
                             int outBytes = CheckBufferBytes);
    // A list file of the given units in a folder of the workspace; the
    // folder's Windows path.
    QString writeList(const QString &folder, QStringView fileName, const QString &units) const;
};

// The text's units as the services take them.
const char16_t *units(const QString &text);

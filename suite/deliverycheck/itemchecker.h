#pragma once

#include "itemrules.h"

#include <QString>

// Checks one management item's value against its rule: empty where it is
// required, the way it is written, its length, and the characters the
// delivery formats do not permit.
namespace deliverycheck {

class CheckReport;
class ForbiddenCharacters;

class ItemChecker final
{
public:
    ItemChecker(CheckReport &report, ForbiddenCharacters &forbidden);

    // rule null: an item the rules do not name, whose characters are
    // still checked. True when nothing was found.
    bool check(const QString &file, int line, const ItemRule *rule, const QString &item,
               const QString &value);

private:
    // The problem of the value's form, empty when there is none.
    static QString formProblem(const ItemRule &rule, const QString &value);
    static int lengthOf(const ItemRule &rule, const QString &value);
    static bool isAscii(ItemKind kind);

    CheckReport &m_report;
    ForbiddenCharacters &m_forbidden;
};

} // namespace deliverycheck

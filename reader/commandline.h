#pragma once

#include <QString>
#include <QStringList>

namespace reader {

// The host application starts DeliveryReader with exactly this many
// arguments after the program name.
inline constexpr int LaunchArgumentCount = 3;

struct LaunchArguments
{
    QString dataRoot;    // data folder under which new bookshelves are proposed
    int shelfNumber = 0; // appended to the proposed folder name; 0: none
    int noNewShelf = 0;  // nonzero: no new bookshelf may be created
};

// The arguments of a run: the program name, then LaunchArgumentCount
// arguments (the count is checked before, see ui::SuiteApplication).
LaunchArguments parseLaunchArguments(const QStringList &arguments);

} // namespace reader

#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

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

// The arguments of a run (program name first); nothing when their count
// is wrong, and the program then refuses with msg::NotCooperating.
std::optional<LaunchArguments> parseLaunchArguments(const QStringList &arguments);

// The C runtime's _wtoi: leading blanks skipped, an optional sign, then the
// leading decimal digits; 0 when there are none ("abc"), "3abc" gives 3.
// Values beyond int are clamped to its limits.
int crtToInt(QStringView text);

} // namespace reader

#include "commandline.h"

#include "platform/crtinteger.h"

namespace reader {

LaunchArguments parseLaunchArguments(const QStringList &arguments)
{
    Q_ASSERT(arguments.size() == LaunchArgumentCount + 1);
    LaunchArguments parsed;
    parsed.dataRoot = arguments.at(1);
    parsed.shelfNumber = win::wtoi(arguments.at(2));
    parsed.noNewShelf = win::wtoi(arguments.at(3));
    return parsed;
}

} // namespace reader

#include "albumplan.h"

#include <algorithm>

namespace reader {

int AlbumPlan::usedFolderCount() const
{
    return std::clamp(folderCount, 0, MaxAlbumFolders);
}

} // namespace reader

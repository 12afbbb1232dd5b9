#include "importsettings.h"

#include <algorithm>

namespace reader {

std::span<const AlbumPlan> ImportSettings::plannedAlbums() const
{
    return std::span(m_albums).first(std::clamp(m_nAlbumNum, 0, MaxAlbums));
}

} // namespace reader

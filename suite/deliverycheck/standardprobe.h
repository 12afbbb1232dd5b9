#pragma once

#include "photostandard.h"

#include <QString>

// The photo standard a delivery follows, told before the checks start as
// worksdata tells it on import: from PHOTO.XML's 適用要領基準 (only its
// 基礎情報 is read), the index file's, and the version of the photo DTD.
// The checks need it first: which lists the classifications come from,
// and whether the delivery symbols are forbidden (NEXCO's 2006 edition).
namespace deliverycheck {

class StandardProbe final
{
public:
    // Either path may be empty when the delivery lacks that file.
    static PhotoStandard determine(const QString &indexHostPath, const QString &photoHostPath);
};

} // namespace deliverycheck

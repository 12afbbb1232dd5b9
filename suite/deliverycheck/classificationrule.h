#pragma once

#include "photostandard.h"

#include <QString>

#include <array>

// The classification of a photo (撮影工種区分) as the photo standards
// relate its levels: 写真-大分類 from the standard's list; for 工事 photos
// a 写真区分 from its list; below it 工種, 種別 and 細別 each only under
// the level above. Photos of other classes (調査, 地質, ...) may stop at
// 写真-大分類. NEXCO's lists are not held, so only the relations are
// checked there.
namespace deliverycheck {

class CheckReport;

class ClassificationRule final
{
public:
    enum Level { MajorClass, Category, WorkType, Kind, SubKind, LevelCount };

    struct Photo
    {
        std::array<QString, LevelCount> values;
        std::array<int, LevelCount> lines {};
        int line = 0; // of its 写真情報
    };

    ClassificationRule(CheckReport &report, PhotoStandard::Body body);

    void check(const QString &file, const Photo &photo);

    static const char16_t *itemName(Level level);

private:
    bool holdsLists() const;
    int lineOf(const Photo &photo, Level level) const;

    CheckReport &m_report;
    PhotoStandard::Body m_body;
};

} // namespace deliverycheck

#pragma once

#include <QString>
#include <QStringList>

// Names the sample data is made of: the photo classification of civil
// works (土木工事) and the folder levels of a government-building (営繕)
// photo delivery.
namespace samplecatalog {

struct WorkClass
{
    const char16_t *workType; // 工種
    const char16_t *kind;     // 種別
    const char16_t *subKind;  // 細別
};

// Work classes in the order photos take them. The second one holds a
// single quote, which every reader of the classification must survive.
extern const WorkClass CivilWorks[];
extern const int CivilWorkCount;

// 工種 of safety photos, which have no 種別 or 細別.
extern const QStringList SafetyWork;

// Folder levels of a government-building delivery, from the top: work
// category, trade, subject, floor, grid line; deeper levels are details.
QStringList buildingCategories();
QStringList buildingTrades(int category);
QStringList buildingSubjects();
QStringList buildingFloors();
QStringList buildingGridLines();

} // namespace samplecatalog

#pragma once

#include "calsdb/calsregistration.h"
#include "suitedata/constructioninfo.h"

#include <QList>
#include <QString>

// The delivery data other than PHOTO that CALS.mdb registers, laid out as
// the delivery holds it: MEET\MEET.XML with the files in MEET\ORG named
// MTGnnnmm.XXX (nnn the record's serial, mm the file's number within it),
// PLAN\PLAN.XML with PLAN\ORG\PLNnnnmm.XXX, OTHRS\OTHRS.XML with one
// subfolder ORGnnn per その他サブフォルダ日本語名 holding OTHnnnnn.XXX
// (nnnnn the file's serial). XXX is the registered file's extension in
// capitals.
namespace host {

struct PlannedOriginal
{
    const calsdb::RegisteredFile *file = nullptr;
    QString sourceHost;
    QString name;         // in the delivery
    QString japaneseName; // the registered one, else the file's own name
    int serial = 0;       // シリアル番号 of an その他 file
};

struct PlannedDocument
{
    const calsdb::Registration *registration = nullptr;
    int serial = 0; // シリアル番号 of a meeting record or plan
    QList<PlannedOriginal> files;
};

struct PlannedSubfolder
{
    QString name;         // ORGnnn
    QString japaneseName; // その他サブフォルダ日本語名
    QList<PlannedDocument> documents;
};

struct OtherDataPlan
{
    QList<PlannedDocument> meetings;
    QList<PlannedDocument> plans;
    QList<PlannedSubfolder> others;

    bool isEmpty() const { return meetings.isEmpty() && plans.isEmpty() && others.isEmpty(); }
};

inline constexpr char16_t MeetingFolderName[] = u"MEET";
inline constexpr char16_t PlanFolderName[] = u"PLAN";
inline constexpr char16_t OtherFolderName[] = u"OTHRS";
inline constexpr char16_t OriginalFolderName[] = u"ORG";

// registrations: as read from CALS.mdb in calsFolder (Windows form), whose
// relative file paths are taken from there. False with the reason in
// *error when the names the standard allows run out, a meeting record or
// plan has no file, or a file's path maps to no drive.
bool planOtherData(const QList<calsdb::Registration> &registrations, const QString &calsFolder,
                   OtherDataPlan *plan, QString *error);

// The index file's folder items for what the medium holds: the meeting,
// plan and other folders with their original file folders when the plan
// (null for a medium without other data) has them, else none.
void nameOtherFolders(const OtherDataPlan *plan, suitedata::BasicInfo *basic);

} // namespace host

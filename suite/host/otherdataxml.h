#pragma once

#include "otherdataplan.h"

#include <QByteArray>

// MEET.XML, PLAN.XML and OTHRS.XML (DTD_version 04) of the planned other
// delivery data, as discs carry them (deliverydocument.h). japaneseNames:
// the original files' Japanese names are written (jname=1).
namespace host {

inline constexpr char16_t MeetingFileName[] = u"MEET.XML";
inline constexpr char16_t MeetingDtdFileName[] = u"MEET04.DTD";
inline constexpr char16_t PlanFileName[] = u"PLAN.XML";
inline constexpr char16_t PlanDtdFileName[] = u"PLAN04.DTD";
inline constexpr char16_t OtherFileName[] = u"OTHRS.XML";
inline constexpr char16_t OtherDtdFileName[] = u"OTHRS04.DTD";

QByteArray meetingXml(const QList<PlannedDocument> &meetings, bool japaneseNames);
QByteArray planXml(const QList<PlannedDocument> &plans, bool japaneseNames);
QByteArray otherXml(const QList<PlannedSubfolder> &subfolders, bool japaneseNames);

} // namespace host

#pragma once

#include <QString>
#include <QStringList>

// The error information of a government-building export (DNErrInfMake4):
// what the bookshelf's construction information lacks for the standard,
// left in the temp folder as G_ERRINF.dat for the host's export to show
// (docs/worksdata.md).
namespace errorinformation {

inline constexpr char16_t FileName[] = u"G_ERRINF.dat";

// The problems found in the KOUJI.XML (Windows path) for the code, as the
// file lists them; empty when there is none.
QStringList findProblems(const QString &koujiXmlPath, int standardCode);

// Writes the file whole (or leaves an earlier one as it was): false when
// it could not be written.
bool write(const QString &path, const QString &koujiXmlPath, int standardCode,
           const QStringList &problems);

} // namespace errorinformation

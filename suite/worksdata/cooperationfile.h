#pragma once

#include <QList>
#include <QString>

#include <optional>

// Cooperation.ini: the other electronic delivery programs the finished
// delivery data can be handed to. A profile file beside the programs:
//
//     [Cooperation]
//     Count=2
//     [Program0]
//     Name=<display name>
//     Program=<Windows path of the program's executable>
//     Codes=<standard codes served, comma-separated; empty for every code>
//
// Programs are numbered from 0; a program counts as installed when its
// executable exists and it serves the standard code.
namespace worksdata {

struct Cooperator
{
    QString name;
    QString program;
    // Empty: every standard code.
    QList<int> codes;
};

// Display names longer than the callers' buffer of 260 are cut.
inline constexpr int CooperatorNameSize = 260;

// The number of described programs; 0 for a missing file or a count below 0.
int cooperatorCount(const QString &iniPath);
// The program with that number; nothing when the number is outside the
// count.
std::optional<Cooperator> readCooperator(const QString &iniPath, int number);
// Its executable exists and it serves the code.
bool isCooperatorInstalled(const Cooperator &cooperator, int standardCode);

} // namespace worksdata

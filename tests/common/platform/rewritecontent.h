#pragma once

#include <QString>
#include <QStringList>

// What the rewriting helper writes in its generation n, and the kill test
// expects to find whole: a value and settings lines long enough that a
// kill often lands in the middle of writing them.
namespace rewrite {

inline constexpr int ValueRepeats = 8000;
inline constexpr int SettingsLines = 800;

// Starts with the generation's number, as GetPrivateProfileInt reads it.
inline QString profileValue(int generation)
{
    return QString(QString::number(generation) + QLatin1Char('.')).repeated(ValueRepeats);
}

inline QStringList settingsLines(int generation)
{
    QStringList lines{QStringLiteral("[S]"), QStringLiteral("gen=%1").arg(generation)};
    for (int i = 0; i < SettingsLines; ++i)
        lines.append(QStringLiteral("line%1=%2").arg(i).arg(generation));
    return lines;
}

} // namespace rewrite

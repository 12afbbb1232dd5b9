#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Values under HKEY_LOCAL_MACHINE (RegOpenKeyW / RegQueryValueExW). On
// POSIX the registry is a file in the syntax of a REGEDIT4 export, named by
// TESSERA_REGISTRY:
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\ＭＥＲＩＤＯＮ\ORBIS\13.0]
//   "InstallId"="..."
//   "Count"=dword:0000000d
//   "Names"=hex(7):41,00,00,00,00,00
namespace win {

struct RegistryValue
{
    enum class Type { String, MultiString, Dword, Other };
    Type type = Type::Other;
    QString text;          // String
    QStringList strings;   // MultiString
    quint32 dword = 0;     // Dword
};

// Key paths are relative to HKEY_LOCAL_MACHINE and match without regard to
// case. Nothing when the key or the value is missing.
std::optional<RegistryValue> readMachineValue(const QString &keyPath, const QString &valueName);

} // namespace win

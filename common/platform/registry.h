#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Values under HKEY_LOCAL_MACHINE (RegOpenKeyW / RegQueryValueExW). On
// POSIX the registry is a file in the syntax of a REGEDIT4 export, named by
// TESSERA_REGISTRY, in UTF-16LE with a byte-order mark or in UTF-8:
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\ＭＥＲＩＤＯＮ\ORBIS\13.0]
//   "InstallId"="..."
//   "Count"=dword:0000000d
//   "Names"=hex(7):41,00,00,00,00,00
//   @="the key's default value"
//
// Strings take the escapes \\ and \"; hex(7) holds UTF-16LE strings, each
// ended by a zero, and a final zero; long hex lists may go on over lines
// ending with a backslash. Lines starting with ';' are comments. Other
// types (hex:, hex(2):, ...) read as Type::Other. When a value appears more
// than once, the last one counts, as when the file is imported; "name"=-
// removes it. HKLM\ may stand for HKEY_LOCAL_MACHINE\.
namespace win {

struct RegistryValue
{
    enum class Type { String, MultiString, Dword, Other };
    Type type = Type::Other;
    QString text;          // String
    QStringList strings;   // MultiString
    quint32 dword = 0;     // Dword
};

// Key paths are relative to HKEY_LOCAL_MACHINE; they and value names match
// without regard to case; "" names the default value. Nothing when the key,
// the value or the file is missing.
std::optional<RegistryValue> readMachineValue(const QString &keyPath, const QString &valueName);

} // namespace win

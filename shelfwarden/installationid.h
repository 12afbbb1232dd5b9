#pragma once

#include <QString>

// The suite's registry key under HKEY_LOCAL_MACHINE and the value in it
// that holds this installation's identifier.
inline constexpr char16_t SuiteRegistryKey[] = u"SOFTWARE\\ＭＥＲＩＤＯＮ\\ORBIS\\13.0";
inline constexpr char16_t InstallationIdValue[] = u"InstallId";

// The installation identifier as text: a string value, the first string of
// a multi-string value or a DWORD value in decimal; "" when the key or the
// value is missing or of another type.
QString installationId();

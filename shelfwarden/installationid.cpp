#include "installationid.h"

#include "platform/registry.h"

namespace shelfwarden {

namespace {
// Under HKEY_LOCAL_MACHINE.
constexpr char16_t SuiteRegistryKey[] = u"SOFTWARE\\ＭＥＲＩＤＯＮ\\ORBIS\\13.0";
constexpr char16_t InstallationIdValue[] = u"InstallId";
// The value is read into 4096 bytes: 2047 characters and the terminator.
constexpr int ValueBufferChars = 4096 / 2 - 1;
}

QString installationId()
{
    const std::optional<win::RegistryValue> value = win::readMachineValue(
        QString::fromUtf16(SuiteRegistryKey), QString::fromUtf16(InstallationIdValue));
    if (!value)
        return QString();
    switch (value->type) {
    case win::RegistryValue::Type::String:
        return value->text.left(ValueBufferChars);
    case win::RegistryValue::Type::MultiString:
        return value->strings.isEmpty() ? QString() : value->strings.first().left(ValueBufferChars);
    case win::RegistryValue::Type::Dword:
        return QString::number(value->dword);
    case win::RegistryValue::Type::Other:
        break;
    }
    return QString();
}

} // namespace shelfwarden

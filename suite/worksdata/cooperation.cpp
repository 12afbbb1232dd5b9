// The functions over Cooperation.ini with which DeliveryWriter offers the
// other delivery programs installed here: C linkage, zero-terminated UTF-16
// strings.
#include "suiteapi/worksdata.h"

#include "cooperationfile.h"

#include <algorithm>

namespace {

QString iniPathOf(const char16_t *path)
{
    return path ? QString::fromUtf16(path) : QString();
}

} // namespace

extern "C" {

int GetCooperatorCount(const char16_t *cooperationIni)
{
    const QString path = iniPathOf(cooperationIni);
    return path.isEmpty() ? 0 : worksdata::cooperatorCount(path);
}

int IsCooperatorInstalled(const char16_t *cooperationIni, int number, int standardCode)
{
    const QString path = iniPathOf(cooperationIni);
    if (path.isEmpty())
        return 0;
    const auto cooperator = worksdata::readCooperator(path, number);
    return cooperator && worksdata::isCooperatorInstalled(*cooperator, standardCode) ? 1 : 0;
}

const char16_t *GetCooperatorAppName(const char16_t *cooperationIni, int number,
                                     char16_t *buffer, int bufferSize)
{
    if (!buffer || bufferSize < 1)
        return buffer;
    buffer[0] = u'\0';
    const QString path = iniPathOf(cooperationIni);
    if (path.isEmpty())
        return buffer;
    const auto cooperator = worksdata::readCooperator(path, number);
    if (!cooperator)
        return buffer;
    const qsizetype units = std::min<qsizetype>(cooperator->name.size(), bufferSize - 1);
    std::copy_n(reinterpret_cast<const char16_t *>(cooperator->name.utf16()), units, buffer);
    buffer[units] = u'\0';
    return buffer;
}

} // extern "C"

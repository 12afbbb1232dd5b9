// Feeds arbitrary bytes to worksdata's reader of Cooperation.ini as the
// content of the file: the count, then every described program (and the
// numbers around the count) read, checked against the name's bound and
// asked whether it is installed.
#include "cooperationfile.h"
#include "fuzzcheck.h"
#include "fuzzsupport.h"

#include <cstddef>
#include <cstdint>

namespace {

using fuzz::check;

// Reading every program of a huge count would only repeat itself.
constexpr int MaxReadPrograms = 64;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzz::writeInput(QStringLiteral("Cooperation.ini"), data, size);
    if (path.isEmpty())
        return 0;
    const int count = worksdata::cooperatorCount(path);
    check(count >= 0);
    for (int number = -1; number <= qMin(count, MaxReadPrograms); ++number) {
        const auto cooperator = worksdata::readCooperator(path, number);
        check(cooperator.has_value() == (number >= 0 && number < count));
        if (!cooperator)
            continue;
        check(cooperator->name.size() < worksdata::CooperatorNameSize);
        for (const int code : {0, 8, 25, 90})
            worksdata::isCooperatorInstalled(*cooperator, code);
    }
    return 0;
}

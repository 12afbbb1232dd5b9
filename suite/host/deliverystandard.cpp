#include "deliverystandard.h"

#include <algorithm>
#include <array>

namespace host {

namespace {

constexpr std::array MaffCodes{15, 62, 70, 71, 73, 74, 80, 81};
constexpr std::array NexcoCodes{8, 90};
constexpr std::array GovernmentBuildingCodes{4, 28};

} // namespace

QString applicableStandardOf(int standardCode)
{
    if (std::find(MaffCodes.begin(), MaffCodes.end(), standardCode) != MaffCodes.end())
        return QStringLiteral("農村振興土木201103-01");
    if (std::find(NexcoCodes.begin(), NexcoCodes.end(), standardCode) != NexcoCodes.end())
        return QStringLiteral("NEXCO201207-01");
    return QStringLiteral("土木200805-01");
}

bool isGovernmentBuildingCode(int standardCode)
{
    return std::find(GovernmentBuildingCodes.begin(), GovernmentBuildingCodes.end(), standardCode)
        != GovernmentBuildingCodes.end();
}

} // namespace host

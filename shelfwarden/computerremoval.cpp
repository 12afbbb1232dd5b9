#include "computerremoval.h"

#include "sectioncompaction.h"

#include "netprof/namecoding.h"
#include "netprof/netprofile.h"
#include "platform/profile.h"

namespace shelfwarden {

namespace {

bool compactSection(const QString &file, const QString &section,
                    const SectionCompaction::Matcher &isTarget)
{
    const SectionCompaction compaction(file, section);
    return compaction.compact(compaction.read(), isTarget);
}

} // namespace

bool RemoveComputer(const QString &profilePath, const QString &displayedName,
                    bool fromSharingList)
{
    const QString encoded = netprof::EncodeName(displayedName);
    const auto isEncoded = [&encoded](const QString &value) {
        return value.compare(encoded, Qt::CaseInsensitive) == 0;
    };
    const auto isEncodedOrPlain = [&](const QString &value) {
        return isEncoded(value) || value.compare(displayedName, Qt::CaseInsensitive) == 0;
    };

    if (fromSharingList) {
        if (!compactSection(profilePath, netprof::UserSection, isEncodedOrPlain))
            return false;
        for (const QString &group : netprof::groupSections(profilePath)) {
            if (!compactSection(profilePath, group, isEncoded))
                return false;
        }
    }

    for (const QLatin1String section : netprof::UsageSections) {
        if (!compactSection(profilePath, section, isEncodedOrPlain))
            return false;
        // USED stays even when empty; the others go once nothing is left.
        if (section != netprof::UsedSection && !netprof::sectionHasValues(profilePath, section)
            && !win::deletePrivateProfileSection(section, profilePath))
            return false;
    }
    return true;
}

} // namespace shelfwarden

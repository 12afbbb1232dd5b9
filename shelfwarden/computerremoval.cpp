#include "computerremoval.h"

#include "sectioncompaction.h"

#include "netprof/namecoding.h"
#include "netprof/netprofile.h"
#include "platform/profile.h"

namespace {

void compactSection(const QString &file, const QString &section,
                    const SectionCompaction::Matcher &isTarget)
{
    const SectionCompaction compaction(file, section);
    compaction.compact(compaction.read(), isTarget);
}

} // namespace

void RemoveComputer(const QString &profilePath, const QString &displayedName,
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
        compactSection(profilePath, netprof::UserSection, isEncodedOrPlain);
        for (const QString &group : netprof::groupSections(profilePath))
            compactSection(profilePath, group, isEncoded);
    }

    for (const QLatin1String section : netprof::UsageSections) {
        compactSection(profilePath, section, isEncodedOrPlain);
        // USED stays even when empty; the others go once nothing is left.
        if (section != netprof::UsedSection && !netprof::sectionHasValues(profilePath, section))
            win::deletePrivateProfileSection(section, profilePath);
    }
}

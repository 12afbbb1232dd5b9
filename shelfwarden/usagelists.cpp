#include "usagelists.h"

#include "netprof/namecoding.h"
#include "netprof/netprofile.h"

namespace shelfwarden {

namespace {

void appendDecoded(QStringList *names, const QStringList &values)
{
    for (const QString &value : values) {
        if (!value.isEmpty())
            names->append(netprof::DecodeName(value));
    }
}

// The using list names each computer once: the first of equal texts
// (compared exactly) stays, in their order.
QStringList withoutDuplicates(const QStringList &names)
{
    QStringList unique;
    for (const QString &name : names) {
        if (!unique.contains(name))
            unique.append(name);
    }
    return unique;
}

} // namespace

UsageLists UsageLists::readOwnGroup(const QString &profilePath, const QString &ownGroupSection)
{
    UsageLists lists;
    const QStringList ownGroup = netprof::readSection(profilePath, ownGroupSection);
    appendDecoded(&lists.sharing, ownGroup);

    for (const QLatin1String section : netprof::UsageSections) {
        for (const QString &value : netprof::readSection(profilePath, section)) {
            if (value.isEmpty())
                continue;
            // One entry per matching key; the duplicates go below.
            for (qsizetype n = ownGroup.count(value); n > 0; --n)
                lists.inUse.append(netprof::DecodeName(value));
        }
    }
    lists.inUse = withoutDuplicates(lists.inUse);
    return lists;
}

UsageLists UsageLists::readOtherGroups(const QString &profilePath,
                                       const QString &ownGroupSection)
{
    UsageLists lists;
    const QStringList users = netprof::readSection(profilePath, netprof::UserSection);
    for (const QString &user : users) {
        if (!user.isEmpty())
            lists.sharing.append(user);
    }
    for (const QString &group : netprof::groupSections(profilePath)) {
        // Section names match without regard to case, as the profile reads them.
        if (group.compare(ownGroupSection, Qt::CaseInsensitive) != 0)
            appendDecoded(&lists.sharing, netprof::readSection(profilePath, group));
    }

    const QStringList ownGroup = netprof::readSection(profilePath, ownGroupSection);
    for (const QLatin1String section : netprof::UsageSections) {
        for (const QString &value : netprof::readSection(profilePath, section)) {
            if (value.isEmpty() || ownGroup.contains(value))
                continue;
            const qsizetype userCount = users.count(value);
            if (userCount == 0)
                lists.inUse.append(netprof::DecodeName(value));
            for (qsizetype n = userCount; n > 0; --n)
                lists.inUse.append(value);
        }
    }
    lists.inUse = withoutDuplicates(lists.inUse);
    return lists;
}

} // namespace shelfwarden

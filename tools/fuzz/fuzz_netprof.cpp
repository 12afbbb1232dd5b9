// Feeds arbitrary bytes to ShelfWarden as a shared bookshelf's NetProf.dat,
// which other computers write without a lock: both views of the computers
// read, then the first computer listed removed through the profile files
// (the write path, slower than the in-memory fuzz_profiledocument). The
// removal must succeed on a writable file, leave VERSION and SERIALNO as
// they read, and keep every value of every section that does not name the
// computer removed.
#include "computerremoval.h"
#include "fuzzcheck.h"
#include "fuzzsupport.h"
#include "usagelists.h"

#include "netprof/namecoding.h"
#include "netprof/netprofile.h"

#include <QHash>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

using fuzz::check;

// Every section the removal may change or must keep, as the group list
// names them before the removal.
QStringList sectionsOf(const QString &path)
{
    QStringList sections = {netprof::VersionSection, netprof::SerialSection,
                            netprof::UserSection};
    sections += netprof::groupSections(path);
    for (const QLatin1String section : netprof::UsageSections)
        sections.append(section);
    return sections;
}

using Reading = QHash<QString, QStringList>;

Reading readSections(const QString &path, const QStringList &sections)
{
    Reading reading;
    for (const QString &section : sections)
        reading.insert(section, netprof::readSection(path, section));
    return reading;
}

// A value the removal may take away: the name encoded, or written plain.
bool namesComputer(const QString &value, const QString &name)
{
    return value.compare(netprof::EncodeName(name), Qt::CaseInsensitive) == 0
        || value.compare(name, Qt::CaseInsensitive) == 0;
}

void checkKept(const Reading &before, const Reading &after, const QString &removed)
{
    for (auto section = before.cbegin(); section != before.cend(); ++section) {
        const QStringList &now = after.value(section.key());
        for (const QString &value : section.value()) {
            if (!value.isEmpty() && !namesComputer(value, removed))
                check(now.count(value) >= section.value().count(value));
        }
    }
    for (const QLatin1String fixed : {netprof::VersionSection, netprof::SerialSection})
        check(after.value(fixed) == before.value(fixed));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzz::writeInput(netprof::FileName, data, size);
    if (path.isEmpty())
        return 0;
    const QStringList groups = netprof::groupSections(path);
    const QString ownGroup = groups.isEmpty() ? netprof::groupSection(QStringLiteral("1"))
                                              : groups.first();
    const shelfwarden::UsageLists own = shelfwarden::UsageLists::readOwnGroup(path, ownGroup);
    const shelfwarden::UsageLists others =
        shelfwarden::UsageLists::readOtherGroups(path, ownGroup);
    const QStringList listed = own.sharing + others.sharing + own.inUse + others.inUse;
    if (listed.isEmpty())
        return 0;
    const QStringList sections = sectionsOf(path);
    const Reading before = readSections(path, sections);
    check(shelfwarden::RemoveComputer(path, listed.first(), true));
    checkKept(before, readSections(path, sections), listed.first());
    return 0;
}

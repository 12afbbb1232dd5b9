// bench-netprof [--sizes N,N,...]
//
// Times ShelfWarden on a shared bookshelf's NetProf.dat of 10 000 sections
// (some 1 MB; --sizes gives other counts of sections): reading both views as the dialog does when it opens, and
// removing one computer that is registered in a sharing group and listed
// at the head of each usage section of 100 entries, so that 99 values of
// each move up. The file is written afresh into a temporary folder at every
// run. CPU time is printed beside the wall-clock time.
#include "benchstopwatch.h"
#include "benchsupport.h"

#include "computerremoval.h"
#include "netprof/namecoding.h"
#include "netprof/netprofile.h"
#include "usagelists.h"

#include "platform/winpath.h"

#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int DefaultSections = 10000;
// VERSION, USER, SERIALNO and the four usage sections.
constexpr int FixedSections = 7;
constexpr int ComputersPerGroup = 5;
constexpr int PlainUsers = 50;
constexpr int UsageEntries = 100;
constexpr char Target[] = "TARGET-PC";

QString groupSection(int group)
{
    return netprof::groupSection(QStringLiteral("INST-%1").arg(group, 5, 10, QLatin1Char('0')));
}

QByteArray keyLine(int key, const QString &value)
{
    return QByteArray::number(key) + '=' + value.toLatin1() + "\r\n";
}

// VERSION, USER, SERIALNO naming the first 256 groups, the groups with
// their computers (the target first in group 0), and the usage sections
// with the target at their head.
QByteArray netProfile(int sections)
{
    const int groups = sections - FixedSections;
    QByteArray bytes = "[VERSION]\r\nVersion=13\r\n[USER]\r\n";
    for (int key = 0; key < PlainUsers; ++key)
        bytes += keyLine(key, QStringLiteral("PLAIN-%1").arg(key));
    bytes += "[SERIALNO]\r\n";
    for (int key = 0; key < qMin(groups, netprof::KeyCount); ++key)
        bytes += keyLine(key, groupSection(key));
    for (int group = 0; group < groups; ++group) {
        bytes += '[' + groupSection(group).toLatin1() + "]\r\n";
        for (int key = 0; key < ComputersPerGroup; ++key) {
            const QString computer = group == 0 && key == 0 ? QString::fromLatin1(Target)
                                                            : QStringLiteral("PC-%1-%2").arg(group).arg(key);
            bytes += keyLine(key, netprof::EncodeName(computer));
        }
    }
    for (const QLatin1String section : netprof::UsageSections) {
        bytes += '[' + QByteArray(section.data(), section.size()) + "]\r\n";
        for (int key = 0; key < UsageEntries; ++key)
            bytes += keyLine(key, netprof::EncodeName(key == 0 ? QString::fromLatin1(Target)
                                                      : QStringLiteral("PC-0-%1").arg(key % ComputersPerGroup)));
    }
    return bytes;
}

bool measure(const QString &folder, int sections)
{
    const QByteArray bytes = netProfile(sections);
    QFile file(folder + QStringLiteral("/NetProf.dat"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    file.close();
    std::printf("NetProf.dat of %d sections, %lld bytes\n", sections, qlonglong(bytes.size()));

    const QString profile = win::toWindowsPath(file.fileName());
    const QString ownGroup = groupSection(0);
    {
        const BenchStopwatch watch;
        const shelfwarden::UsageLists own = shelfwarden::UsageLists::readOwnGroup(profile, ownGroup);
        const shelfwarden::UsageLists others = shelfwarden::UsageLists::readOtherGroups(profile, ownGroup);
        bench::printTimed("both views, as the dialog opens", watch);
        std::printf("  own group: %lld sharing, %lld using; other groups: %lld sharing\n",
                    qlonglong(own.sharing.size()), qlonglong(own.inUse.size()), qlonglong(others.sharing.size()));
    }
    bool removed = false;
    {
        const BenchStopwatch watch;
        removed = shelfwarden::RemoveComputer(profile, QString::fromLatin1(Target), true);
        bench::printTimed("removing one computer", watch);
    }
    const QStringList used = netprof::readSection(profile, netprof::UsedSection);
    const auto held = std::count_if(used.cbegin(), used.cend(), [](const QString &value) { return !value.isEmpty(); });
    std::printf("  USED holds %lld values, the first under key 0: %s\n", qlonglong(held),
                used.constFirst().isEmpty() ? "no" : "yes");
    if (!removed)
        std::fprintf(stderr, "the removal failed\n");
    return removed;
}

} // namespace

int main(int argc, char **argv)
{
    bench::Bench bench(argc, argv);
    const QList<int> sizes = bench.sizes({DefaultSections});
    const QString folder = bench.folder();
    return bench.forEachSize(sizes, [&folder](int sections) {
        return sections > FixedSections && measure(folder, sections);
    });
}

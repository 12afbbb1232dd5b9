#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace win {
class ProfileSection;
}

namespace shelfwarden {

// Removes the matching values from one section of NetProf.dat and closes
// the gaps, keeping the other values in their order under keys "0", "1", ...
//
// Other computers change the same file without a lock. The compaction works
// from a snapshot of the section and touches a key only while it still holds
// what the snapshot says: a value is deleted or moved away only if it is
// still there, and moved only into a key that is still empty. So an entry
// written by another computer is never overwritten or deleted; at worst a
// gap stays open. The changes go into the file in one write, and only if
// nobody changed the section since it was read (else they are worked out
// again). Values are matched as the section reading sees them (60
// characters) but moved whole and byte for byte, so a longer value or one
// with bytes that form no CP932 character arrives as it was.
class SectionCompaction final
{
public:
    using Matcher = std::function<bool(const QString &value)>;

    SectionCompaction(const QString &file, const QString &section);

    // The snapshot to work from (netprof::readSection).
    QStringList read() const;
    // False when the profile refused the write (a read-only file or share)
    // or kept changing under it.
    bool compact(const QStringList &snapshot, const Matcher &isTarget) const;

private:
    static void apply(win::ProfileSection &lines, const QStringList &snapshot, const Matcher &isTarget);
    static bool stillHolds(const win::ProfileSection &lines, int key, const QString &value);

    QString m_file;
    QString m_section;
};

} // namespace shelfwarden

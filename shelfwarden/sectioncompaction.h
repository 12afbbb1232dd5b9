#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Removes the matching values from one section of NetProf.dat and closes
// the gaps, keeping the other values in their order under keys "0", "1", ...
//
// Other computers change the same file without a lock. The compaction works
// from a snapshot of the section and touches a key only while it still holds
// what the snapshot says: a value is deleted or moved away only if it is
// still there, and moved only into a key that is still empty; a value is
// written to its new key before it is deleted from the old one. So an entry
// written by another computer in the meantime is never overwritten or
// deleted; at worst a gap stays open. Values are matched as the section
// reading sees them (60 characters) but moved whole, so a longer value is
// never cut by the move.
class SectionCompaction
{
public:
    using Matcher = std::function<bool(const QString &value)>;

    SectionCompaction(const QString &file, const QString &section);

    // The snapshot to work from (netprof::readSection).
    QStringList read() const;
    void compact(const QStringList &snapshot, const Matcher &isTarget) const;

private:
    bool stillHolds(int key, const QString &value) const;
    void deleteIfUnchanged(int key, const QString &value) const;
    bool moveIfFree(int from, int to, const QString &value) const;

    QString m_file;
    QString m_section;
};

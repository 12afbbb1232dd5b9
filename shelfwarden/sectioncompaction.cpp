#include "sectioncompaction.h"

#include "netprof/netprofile.h"

#include "platform/profile.h"
#include "platform/winerror.h"

namespace shelfwarden {

namespace {

// Another computer may change the section between the reading and the
// writing; the compaction is worked out afresh this often before it gives up.
constexpr int MaxAttempts = 3;

} // namespace

SectionCompaction::SectionCompaction(const QString &file, const QString &section)
    : m_file(file)
    , m_section(section)
{
}

QStringList SectionCompaction::read() const
{
    return netprof::readSection(m_file, m_section);
}

bool SectionCompaction::compact(const QStringList &snapshot, const Matcher &isTarget) const
{
    for (int attempt = 0; attempt < MaxAttempts; ++attempt) {
        win::ProfileSection lines(m_section, m_file);
        apply(lines, snapshot, isTarget);
        if (lines.commit())
            return true;
        if (win::lastError() != win::error::SharingViolation)
            return false;
    }
    return false;
}

void SectionCompaction::apply(win::ProfileSection &lines, const QStringList &snapshot,
                              const Matcher &isTarget)
{
    int write = 0;
    for (int key = 0; key < snapshot.size(); ++key) {
        const QString &value = snapshot.at(key);
        if (value.isEmpty())
            continue;
        if (isTarget(value)) {
            if (stillHolds(lines, key, value))
                lines.deleteKey(QString::number(key));
            continue;
        }
        if (key == write) {
            ++write;
        } else if (stillHolds(lines, key, value) && stillHolds(lines, write, QString())) {
            lines.moveValue(QString::number(key), QString::number(write));
            ++write;
        } else {
            write = key + 1;  // it stays where it is; later gaps close after it
        }
    }
}

bool SectionCompaction::stillHolds(const win::ProfileSection &lines, int key, const QString &value)
{
    return lines.value(QString::number(key), netprof::ValueBufferSize) == value;
}

} // namespace shelfwarden

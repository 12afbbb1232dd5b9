#include "sectioncompaction.h"

#include "netprof/netprofile.h"

#include "platform/profile.h"

namespace {
// Large enough for any value a profile line holds.
constexpr int WholeValueBufferSize = 4096;
}

SectionCompaction::SectionCompaction(const QString &file, const QString &section)
    : m_file(file)
    , m_section(section)
{
}

QStringList SectionCompaction::read() const
{
    return netprof::readSection(m_file, m_section);
}

void SectionCompaction::compact(const QStringList &snapshot, const Matcher &isTarget) const
{
    int write = 0;
    for (int key = 0; key < snapshot.size(); ++key) {
        const QString &value = snapshot.at(key);
        if (value.isEmpty())
            continue;
        if (isTarget(value)) {
            deleteIfUnchanged(key, value);
            continue;
        }
        if (key == write || moveIfFree(key, write, value))
            ++write;
        else
            write = key + 1;  // it stays where it is; later gaps close after it
    }
}

bool SectionCompaction::stillHolds(int key, const QString &value) const
{
    return netprof::readValue(m_file, m_section, key) == value;
}

void SectionCompaction::deleteIfUnchanged(int key, const QString &value) const
{
    if (stillHolds(key, value))
        win::deletePrivateProfileKey(m_section, QString::number(key), m_file);
}

bool SectionCompaction::moveIfFree(int from, int to, const QString &value) const
{
    if (!stillHolds(from, value) || !stillHolds(to, QString()))
        return false;
    const QString whole = win::getPrivateProfileString(m_section, QString::number(from), QString(),
                                                       WholeValueBufferSize, m_file);
    if (!win::writePrivateProfileString(m_section, QString::number(to), whole, m_file))
        return false;
    deleteIfUnchanged(from, value);
    return true;
}

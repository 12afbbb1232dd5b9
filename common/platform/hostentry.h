#pragma once

#include <QString>

// What a host path names, in the terms Windows uses for it.
namespace win {

struct HostEntry
{
    bool exists = false;
    bool directory = false;
    // The owner may not write: the host's form of the read-only attribute,
    // which Windows honours even for administrators (so it is checked
    // here rather than left to open(), which lets root write anything).
    bool readOnly = false;

    // Links are followed; a dangling link is an existing file.
    static HostEntry of(const QString &hostPath);
};

} // namespace win

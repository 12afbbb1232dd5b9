#pragma once

#include <QString>

#include <memory>

// A named mutex (CreateMutexW) that keeps one instance of a program per
// name; held until the object is destroyed or the process ends, however it
// ends. Names are compared exactly (case matters, as on Windows).
//
// create() gives Created when this object now owns the name, AlreadyExists
// (last error 183) when another process or another NamedMutex holds it,
// and Failed (last error set) when the name cannot be taken at all. Unlike
// the Win32 handle, an AlreadyExists mutex holds nothing: the programs only
// ever close it at once. Calling create() again releases what was held.
namespace win {

class NamedMutex
{
public:
    enum class Result { Created, AlreadyExists, Failed };

    NamedMutex();
    ~NamedMutex();
    Q_DISABLE_COPY_MOVE(NamedMutex)

    Result create(const QString &name);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace win

#pragma once

#include <QString>

#include <memory>

// A named mutex (CreateMutexW) that keeps one instance of a program per
// name; held until the object is destroyed or the process ends.
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

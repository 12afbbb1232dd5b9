#pragma once

#include <QString>

#include <memory>

// LoadLibraryW / GetProcAddress / FreeLibrary of the suite's libraries by
// their Windows names: "worksdata.dll" is libworksdata.so in the program
// folder on POSIX. The programs take the suite functions from the library
// they loaded, so a missing library gives their own message rather than a
// loader error before main.
namespace win {

class SuiteLibrary
{
public:
    SuiteLibrary();
    ~SuiteLibrary();  // frees the library
    Q_DISABLE_COPY_MOVE(SuiteLibrary)

    bool load(const QString &windowsName);
    bool isLoaded() const;
    void free();

    // The function of that name; nullptr when missing (last error
    // ProcNotFound).
    template <typename Function>
    Function *function(const char *name) const
    {
        return reinterpret_cast<Function *>(resolve(name));
    }

private:
    void (*resolve(const char *name) const)();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace win

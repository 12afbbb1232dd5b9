#include "suitelibrary.h"

#include "hosterror.h"
#include "hostnames.h"
#include "winpath.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace win {

namespace {

// "worksdata.dll" is libworksdata.so; a name with a folder ("D:\x\a.dll")
// is looked for in that folder, a bare name in the program's folder, which
// is where LoadLibraryW looks first.
QString hostLibraryPath(const QString &windowsName)
{
    QString name = windowsName;
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const qsizetype separator = name.lastIndexOf(QLatin1Char('\\'));
    QString folder;
    if (separator >= 0) {
        folder = toHostPath(name.left(separator + 1));
        if (folder.isEmpty())
            return QString();
    } else {
        folder = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path();
    }
    QString base = name.mid(separator + 1);
    if (base.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive))
        base.chop(4);
    return folder + QStringLiteral("/lib") + base.toLower() + QStringLiteral(".so");
}

} // namespace

struct SuiteLibrary::Private
{
    void *handle = nullptr;
};

SuiteLibrary::SuiteLibrary()
    : d(std::make_unique<Private>())
{
}

SuiteLibrary::~SuiteLibrary()
{
    free();
}

bool SuiteLibrary::load(const QString &windowsName)
{
    free();
    const QString path = hostLibraryPath(windowsName);
    if (!path.isEmpty())
        d->handle = ::dlopen(hostPathBytes(path).constData(), RTLD_NOW | RTLD_LOCAL);
    return d->handle ? true : fail(error::ModuleNotFound);
}

bool SuiteLibrary::isLoaded() const
{
    return d->handle != nullptr;
}

void SuiteLibrary::free()
{
    if (d->handle)
        ::dlclose(d->handle);
    d->handle = nullptr;
}

void (*SuiteLibrary::resolve(const char *name) const)()
{
    void *symbol = d->handle ? ::dlsym(d->handle, name) : nullptr;
    if (!symbol)
        setLastError(error::ProcNotFound);
    return reinterpret_cast<void (*)()>(symbol);
}

} // namespace win

#include "pathnames.h"

#include "fileops.h"

namespace win {

namespace {

bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

} // namespace

QString joinPath(const QString &folder, const QString &name)
{
    if (!folder.isEmpty() && isSeparator(folder.back()))
        return folder + name;
    return folder + u'\\' + name;
}

QString folderOfPath(const QString &path)
{
    const qsizetype separator = qMax(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.left(separator + 1);
}

QString programFolder()
{
    return folderOfPath(moduleFileName());
}

} // namespace win

#include "folderpaths.h"

#include <array>

namespace reader {

namespace {

constexpr QChar Backslash = u'\\';
constexpr QChar Colon = u':';
constexpr QChar Dot = u'.';
constexpr QChar Blank = u' ';

// A name whose fourth character from the end is a dot has a three-letter
// extension.
constexpr qsizetype ShortExtensionDotFromEnd = 4;

constexpr std::array<QStringView, 3> PhotoExtensions = {u"jpg", u"jpe", u"jpeg"};

QString componentName(QStringView component)
{
    return component.isEmpty() ? RootDisplayNameOfDriveRoot.toString() : component.toString();
}

int depthByLength(const QString &path, const FolderRoot &root)
{
    const QStringView below = QStringView(path).mid(qMin(root.dataPath.size(), path.size()));
    if (below.isEmpty())
        return 0;
    return 1 + int(below.count(Backslash));
}

int depthByNames(const QString &path, const FolderRoot &root)
{
    int depth = 1;
    QStringView rest(path);
    for (;;) {
        qsizetype separator = rest.size() - 1;
        for (; separator >= 0; --separator) {
            if (rest.at(separator) == Colon)
                return depth - 1;
            if (rest.at(separator) == Backslash)
                break;
        }
        // Nothing above a relative name either.
        if (separator < 0)
            return depth - 1;
        if (componentName(rest.mid(separator + 1)).compare(root.displayName, Qt::CaseInsensitive) == 0)
            return depth;
        ++depth;
        rest = rest.first(separator);
    }
}

} // namespace

QString RootDisplayName(const QString &dataPath)
{
    return componentName(QStringView(dataPath).mid(dataPath.lastIndexOf(Backslash) + 1));
}

int GetFolderDepth(const QString &path, const FolderRoot &root)
{
    return root.h24 ? depthByLength(path, root) : depthByNames(path, root);
}

void AppendPathPart(QString &path, const QString &name)
{
    path += Backslash;
    path += name;
    for (qsizetype i = 1; i + 1 < path.size();) {
        if (path.at(i) == Backslash && path.at(i + 1) == Backslash)
            path.remove(i, 1);
        else
            ++i;
    }
}

QString GetFileExtension(const QString &name)
{
    const qsizetype length = name.size();
    if (length > ShortExtensionDotFromEnd && name.at(length - ShortExtensionDotFromEnd) == Dot)
        return name.right(ShortExtensionDotFromEnd - 1);
    qsizetype start = -1;
    for (qsizetype i = 0; i < length; ++i) {
        if (name.at(i) == Backslash)
            start = -1;
        else if (name.at(i) == Dot && i + 1 < length && name.at(i + 1) != Blank)
            start = i + 1;
    }
    return start < 0 ? QString() : name.mid(start);
}

bool IsPhotoFileName(const QString &name)
{
    const QString extension = GetFileExtension(name);
    for (QStringView photo : PhotoExtensions) {
        if (extension.compare(photo, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString FolderItemText(const QString &name, int photoCount)
{
    return photoCount >= 1 ? QStringLiteral("%1 (%2 枚)").arg(name, QString::number(photoCount)) : name;
}

} // namespace reader

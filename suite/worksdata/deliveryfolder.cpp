#include "deliveryfolder.h"

#include "platform/findfile.h"
#include "platform/pathnames.h"

#include <QRegularExpression>

DeliveryFolder::DeliveryFolder(const QString &root)
    : m_root(root)
{
}

bool DeliveryFolder::isPhotoFolder(const QString &folder)
{
    QString path = folder;
    while (path.endsWith(u'\\') || path.endsWith(u'/'))
        path.chop(1);
    const qsizetype separator = qMax(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    if (path.mid(separator + 1).compare(QStringView(PhotoFolderName), Qt::CaseInsensitive) != 0)
        return false;

    static const QRegularExpression photoDtd(QStringLiteral("^PHOTO\\d\\d[A-Z]*\\.DTD$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QStringList names = fileNames(path);
    for (const QString &name : names) {
        if (name.compare(QStringView(PhotoXmlName), Qt::CaseInsensitive) == 0
            || photoDtd.match(name).hasMatch()) {
            return true;
        }
    }
    return false;
}

DeliveryFolder::PlanFlag DeliveryFolder::planFlag(QString *indexName) const
{
    const IndexNames names = indexNames();
    const std::pair<PlanFlag, QString> found[] = {
        {Construction, names.construction},
        {DesignWork, names.design},
        {OtherIndex, names.other},
    };
    for (const auto &[flag, name] : found) {
        if (!name.isEmpty()) {
            if (indexName)
                *indexName = name;
            return flag;
        }
    }
    if (indexName)
        indexName->clear();
    return NoIndex;
}

QString DeliveryFolder::indexFile(int planFlag) const
{
    const IndexNames names = indexNames();
    QString name;
    switch (planFlag) {
    case Construction:
        name = names.construction;
        break;
    case DesignWork:
        name = names.design;
        break;
    case OtherIndex:
        name = names.other;
        break;
    default:
        break;
    }
    if (name.isEmpty())
        this->planFlag(&name);
    return name.isEmpty() ? QString() : win::joinPath(m_root, name);
}

QString DeliveryFolder::photoFolder() const
{
    return win::joinPath(m_root, QString::fromUtf16(PhotoFolderName));
}

QString DeliveryFolder::photoXml() const
{
    return win::joinPath(photoFolder(), QString::fromUtf16(PhotoXmlName));
}

DeliveryFolder::IndexNames DeliveryFolder::indexNames() const
{
    static const QRegularExpression indexName(QStringLiteral("^INDEX.*\\.XML$"),
                                              QRegularExpression::CaseInsensitiveOption);
    IndexNames names;
    const QStringList files = fileNames(m_root);
    for (const QString &name : files) {
        if (name.compare(QStringView(ConstructionIndexName), Qt::CaseInsensitive) == 0)
            names.construction = name;
        else if (name.compare(QStringView(DesignIndexName), Qt::CaseInsensitive) == 0)
            names.design = name;
        else if (names.other.isEmpty() && indexName.match(name).hasMatch())
            names.other = name;
    }
    return names;
}

QStringList DeliveryFolder::fileNames(const QString &folder)
{
    QStringList names;
    win::FileFinder finder;
    if (!finder.findFirst(win::joinPath(folder, QStringLiteral("*.*"))))
        return names;
    do {
        if (!finder.current().directory)
            names.append(finder.current().name);
    } while (finder.findNext());
    return names;
}

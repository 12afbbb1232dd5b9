#include "classificationtree.h"

#include "jetdao/cdaodatabase.h"
#include "jetdao/cdaoexception.h"
#include "jetdao/cdaorecordset.h"
#include "photodb/koujimasterschema.h"

#include <QHash>
#include <QSet>

namespace host {

namespace {

struct Node
{
    QString name;
    int child = 0;
    int younger = 0;
};

QHash<int, Node> readNodes(const QString &databasePath)
{
    // Declared in this order, the recordset is closed before its database
    // also when an exception leaves the function.
    JETDAO::CDaoDatabase database;
    database.Open(databasePath, false, true, QString());
    JETDAO::CDaoRecordset rows(&database);
    rows.Open(JETDAO::dbOpenDynaset,
              QStringLiteral("select * from %1").arg(QString::fromUtf16(koujimaster::TableName)),
              JETDAO::dbReadOnly);
    const QString id = QString::fromUtf16(koujimaster::ItemIdColumn);
    const QString name = QString::fromUtf16(koujimaster::NameColumn);
    const QString child = QString::fromUtf16(koujimaster::ChildIdColumn);
    const QString younger = QString::fromUtf16(koujimaster::YoungerIdColumn);
    QHash<int, Node> nodes;
    for (; !rows.IsEOF(); rows.MoveNext())
        nodes.insert(rows.GetFieldValue(id).toInt(),
                     {rows.GetFieldValue(name).toString(), rows.GetFieldValue(child).toInt(),
                      rows.GetFieldValue(younger).toInt()});
    rows.Close();
    database.Close();
    return nodes;
}

void walk(const QHash<int, Node> &nodes, int first, const QStringList &above,
          QSet<int> *seen, QList<QStringList> *paths)
{
    for (int id = first; nodes.contains(id) && !seen->contains(id); id = nodes[id].younger) {
        seen->insert(id);
        const QStringList path = above + QStringList{nodes[id].name};
        paths->append(path);
        walk(nodes, nodes[id].child, path, seen, paths);
    }
}

} // namespace

std::optional<QList<QStringList>> readClassificationTree(const QString &databasePath)
{
    QHash<int, Node> nodes;
    try {
        nodes = readNodes(databasePath);
    } catch (const JETDAO::CDaoException &) {
        return std::nullopt;
    }
    if (!nodes.contains(koujimaster::RootId))
        return std::nullopt;
    QList<QStringList> paths;
    QSet<int> seen{koujimaster::RootId};
    walk(nodes, nodes[koujimaster::RootId].child, {}, &seen, &paths);
    return paths;
}

} // namespace host

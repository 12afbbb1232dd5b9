#include "importalbums.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace host {

namespace {

constexpr int DeepestLevel = 4;
constexpr int WorkTypeDepth = 3; // 写真-大分類, 写真区分, 工種
const QChar KeySeparator = u'\x1f';

QStringList levelsOf(const suitedata::ShelfPhoto &item)
{
    QStringList levels;
    for (const QString &value :
         {item.majorClass, item.category, item.workType, item.kind, item.subKind}) {
        if (value.isEmpty())
            break;
        levels.append(value);
    }
    return levels;
}

// The values a photo is grouped by.
QStringList groupOf(const suitedata::ShelfPhoto &item, int level)
{
    const QStringList levels = levelsOf(item);
    if (level == WorkTypeOnlyLevel && levels.size() >= WorkTypeDepth)
        return {levels[WorkTypeDepth - 1]};
    // Level 1 already takes two values.
    const int depth = level == WorkTypeOnlyLevel ? WorkTypeDepth : qBound(1, level, DeepestLevel) + 1;
    return levels.mid(0, depth);
}

// Where each group stands in the tree's order.
QHash<QString, qsizetype> treeOrder(const QList<QStringList> &tree, int level)
{
    QHash<QString, qsizetype> order;
    for (const QStringList &path : tree) {
        const QStringList group = level == WorkTypeOnlyLevel && path.size() == WorkTypeDepth
            ? QStringList{path.last()}
            : path;
        const QString key = group.join(KeySeparator);
        if (!order.contains(key))
            order.insert(key, order.size());
    }
    return order;
}

} // namespace

QList<ImportAlbum> albumsByCount(const QList<ImportPhoto> &photos, int perAlbum)
{
    const int size = qMax(1, perAlbum);
    QList<ImportAlbum> albums;
    for (qsizetype index = 0; index < photos.size(); ++index) {
        if (index % size == 0)
            albums.append({QStringLiteral("アルバム%1").arg(albums.size() + 1), {}});
        albums.last().photos.append(photos[index]);
    }
    return albums;
}

QList<ImportAlbum> albumsByClassification(const QList<ImportPhoto> &photos, int level,
                                          const std::optional<QList<QStringList>> &tree)
{
    const QHash<QString, qsizetype> inTree = tree ? treeOrder(*tree, level)
                                                  : QHash<QString, qsizetype>();
    QList<ImportAlbum> albums;
    QHash<QString, qsizetype> albumOf;
    QList<std::pair<qsizetype, qsizetype>> order; // (tree position, first photo) by album
    for (qsizetype index = 0; index < photos.size(); ++index) {
        const QStringList group = groupOf(photos[index].item, level);
        const QString key = group.join(KeySeparator);
        auto found = albumOf.constFind(key);
        if (found == albumOf.constEnd()) {
            found = albumOf.insert(key, albums.size());
            albums.append({group.isEmpty() ? UnclassifiedLabel.toString() : group.join(u' '), {}});
            order.append({inTree.value(key, inTree.size()), index});
        }
        albums[*found].photos.append(photos[index]);
    }
    QList<qsizetype> sorted(albums.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&order](qsizetype a, qsizetype b) { return order[a] < order[b]; });
    QList<ImportAlbum> result;
    result.reserve(albums.size());
    for (const qsizetype index : sorted)
        result.append(std::move(albums[index]));
    return result;
}

} // namespace host

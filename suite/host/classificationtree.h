#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The photo classification DeliveryReader leaves in KOUJIMASTER.MDB
// (写真-大分類 → 写真区分 → 工種 → 種別 → 細別 under the root "ROOT").
namespace host {

// The path of names of every node below the root, depth first, each
// node's children in their order in the tree: {"施工状況写真"},
// {"施工状況写真", "着手前"}, ... Nothing when the database or its node
// table cannot be read. A node reached twice (a broken link) ends its
// branch, so a damaged tree cannot loop.
std::optional<QList<QStringList>> readClassificationTree(const QString &databasePath);

} // namespace host

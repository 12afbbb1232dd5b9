#pragma once

#include "ckaisoutree.h"
#include "importsettings.h"

#include "ui/queuedanswerer.h"

#include "workspacetest.h"

#include <QStringList>

#include <memory>
#include <utility>

// Government-building folder trees made folder by folder, and the
// hierarchy tree built over them. The program folder (with the
// KOUJIMASTER template) is drive P:; the test's own folder is D:.
class FolderTreeTest : public WorkspaceTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes each folder (relative to D:\) with that many photo files in it.
    void makeFolders(const QList<std::pair<QString, int>> &folders);
    // The folders A\B\C\D\E\F\G below D:\工事\写真, each with photos: A 1,
    // B 2, C 3, D 4, E 5, F 6, G 7, and 2 in the root.
    void makeNestedTree();

    // Builds the tree for the root folder (relative to D:\, or a full
    // Windows path), as the page does.
    reader::CKaisouTree &build(const QString &root, bool h24);
    reader::CKaisouTree &tree() { return *m_tree; }
    reader::ImportSettings &settings() { return m_settings; }
    const reader::ImportSettings &settings() const { return m_settings; }

    // The item of a folder given relative to D:\, nullptr when not shown.
    QTreeWidgetItem *item(const QString &relative) const;
    // The tree as indented lines "text  image N[ +]" (+ for expanded).
    QStringList shown() const;

    ui::QueuedAnswerer m_answerer;

private:
    reader::ImportSettings m_settings;
    std::unique_ptr<reader::CKaisouTree> m_tree;
};

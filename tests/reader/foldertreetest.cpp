#include "foldertreetest.h"

#include "platform/winpath.h"

#include <QTreeWidgetItemIterator>

void FolderTreeTest::SetUp()
{
    WorkspaceTest::SetUp();
    win::mapDrive(QLatin1Char('P'), QStringLiteral(TESSERA_PROGRAM_DIR));
    m_settings.m_strProgramDir = QStringLiteral("P:\\");
    m_tree = std::make_unique<reader::CKaisouTree>();
}

void FolderTreeTest::TearDown()
{
    m_tree.reset();
    WorkspaceTest::TearDown();
}

void FolderTreeTest::makeFolders(const QList<std::pair<QString, int>> &folders)
{
    for (const auto &[folder, photos] : folders) {
        makeFolder(folder);
        for (int i = 1; i <= photos; ++i)
            writeFile(folder + QStringLiteral("/p%1.jpg").arg(i), QByteArray());
    }
}

void FolderTreeTest::makeNestedTree()
{
    makeFolders({{QStringLiteral("工事/写真"), 2},
                 {QStringLiteral("工事/写真/A"), 1},
                 {QStringLiteral("工事/写真/A/B"), 2},
                 {QStringLiteral("工事/写真/A/B/C"), 3},
                 {QStringLiteral("工事/写真/A/B/C/D"), 4},
                 {QStringLiteral("工事/写真/A/B/C/D/E"), 5},
                 {QStringLiteral("工事/写真/A/B/C/D/E/F"), 6},
                 {QStringLiteral("工事/写真/A/B/C/D/E/F/G"), 7}});
}

reader::CKaisouTree &FolderTreeTest::build(const QString &root, bool h24)
{
    m_settings.m_strDataPath = root.contains(u':') ? root : winPath(root);
    m_settings.m_nStd2012 = h24 ? 1 : 0;
    m_settings.m_nStd2002 = h24 ? 0 : 1;
    m_settings.m_nTreeError = 0;
    m_tree->clear();
    m_tree->BuildFolderTree(m_settings);
    return *m_tree;
}

QTreeWidgetItem *FolderTreeTest::item(const QString &relative) const
{
    const QString wanted = winPath(relative);
    for (QTreeWidgetItemIterator it(m_tree.get()); *it; ++it) {
        if (m_tree->GetItemFolderPath(*it) == wanted)
            return *it;
    }
    return nullptr;
}

QStringList FolderTreeTest::shown() const
{
    QStringList lines;
    for (QTreeWidgetItemIterator it(m_tree.get()); *it; ++it) {
        int level = 0;
        for (const QTreeWidgetItem *parent = (*it)->parent(); parent; parent = parent->parent())
            ++level;
        lines << QStringLiteral("%1%2  image %3%4")
                     .arg(QString(level * 2, u' '), (*it)->text(0))
                     .arg(reader::CKaisouTree::tickImage(*it))
                     .arg((*it)->isExpanded() ? QStringLiteral(" +") : QString());
    }
    return lines;
}

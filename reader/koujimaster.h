#pragma once

#include "jetdao/cdaodatabase.h"
#include "photodb/koujimasterschema.h"

#include <QString>
#include <QStringView>

#include <functional>

namespace reader {

// KOUJIMASTER.MDB in the temp folder: one hierarchy (the photo
// classification of a standard delivery, or the folder tree of a
// government-building delivery) as a first-child / next-sibling node table
// under a single root. The host application reads it after the wizard.
//
// Every build starts from a fresh copy of the template "KOUJIMASTER" in
// the program folder, so the file always holds the last build only.
//
// A build runs:
//     if (!KoujiMaster::copyTemplate(settings.m_strProgramDir))
//         ... show KoujiMaster::TemplateCopyFailed ...
//     master.open();                 // throws CDaoException
//     master.setRootName(...);
//     if (master.CreateRootNode())
//         ... master.AddChildNode(parentId, name) ...
//     master.close();
class KoujiMaster
{
public:
    static constexpr char16_t TemplateName[] = u"KOUJIMASTER";
    // The names the host application reads the tree by.
    static constexpr const char16_t *FileName = koujimaster::FileName;
    static constexpr const char16_t *TableName = koujimaster::TableName;
    static constexpr const char16_t *ItemIdColumn = koujimaster::ItemIdColumn;
    static constexpr const char16_t *NameColumn = koujimaster::NameColumn;
    static constexpr const char16_t *ChildIdColumn = koujimaster::ChildIdColumn;
    static constexpr const char16_t *YoungerIdColumn = koujimaster::YoungerIdColumn;
    static constexpr const char16_t *ParentIdColumn = koujimaster::ParentIdColumn;
    static constexpr int RootId = koujimaster::RootId;

    // What a build shows, with an OK button, when copyTemplate failed.
    static constexpr QStringView TemplateCopyFailed = u"動作環境に問題があるためＸＭＬ入力を中断します。";

    KoujiMaster();
    ~KoujiMaster();
    Q_DISABLE_COPY_MOVE(KoujiMaster)

    // The temp folder's KOUJIMASTER.MDB; empty when there is no temp folder.
    static QString path();
    // Copies the template from the program folder (with or without its
    // trailing backslash) over the temp folder's KOUJIMASTER.MDB and makes
    // the copy writable, so a read-only template still gives a copy that
    // takes nodes; false when either step fails.
    static bool copyTemplate(const QString &programDir);
    // Opens the temp folder's copy for writing (not exclusive, no options);
    // throws CDaoException.
    void open();
    void close();
    bool isOpen() const;

    const QString &rootName() const { return m_strRootName; }
    void setRootName(const QString &name) { m_strRootName = name; }

    // Writes the root node (id 1) under the root display name and starts
    // the id counter again, so every build numbers its nodes from 1. 1 on
    // success, 0 when the database is not open or refused the row (the
    // error is reported and rolled back).
    int CreateRootNode();
    // Appends a child as the last child of the parent; the new node's id,
    // or 0 when the database is not open or the insertion failed (reported,
    // rolled back, and the id counter left as it was). A parent that has
    // no node fails too.
    int AddChildNode(int parentId, const QString &name);

private:
    // A node's rows are written whole or not at all: false, with the error
    // reported and the writes rolled back, when the database refused one.
    bool inTransaction(const std::function<void()> &write);
    void linkNewChild(int parentId, int newId);
    void appendNode(int id, const QString &name, int parentId);

    JETDAO::CDaoDatabase m_database;
    QString m_strRootName;
    int m_nNextId = RootId;
};

} // namespace reader

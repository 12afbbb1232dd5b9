#pragma once

#include "jetdao/cdaodatabase.h"

#include <QString>

namespace reader {

// KOUJIMASTER.MDB in the temp folder: one hierarchy (the photo
// classification of a standard delivery, or the folder tree of a
// government-building delivery) as a first-child / next-sibling node table
// under a single root. The host application reads it after the wizard.
//
// Every build starts from a fresh copy of the template "KOUJIMASTER" in
// the program folder, so the file always holds the last build only.
class KoujiMaster
{
public:
    KoujiMaster();
    ~KoujiMaster();
    Q_DISABLE_COPY_MOVE(KoujiMaster)

    // Copies the template from the program folder (with its trailing
    // backslash) over the temp folder's KOUJIMASTER.MDB and makes the copy
    // writable; false when the copy fails.
    static bool copyTemplate(const QString &programDir);
    // Opens the temp folder's copy for writing; throws CDaoException.
    void open();
    void close();
    bool isOpen() const;

    const QString &rootName() const { return m_strRootName; }
    void setRootName(const QString &name) { m_strRootName = name; }

    // Writes the root node (id 1) under the root display name; 1 on
    // success, 0 when the database is not open or refused the row (the
    // error is reported and rolled back).
    int CreateRootNode();
    // Appends a child as the last child of the parent; the new node's id,
    // or 0 when the insertion failed (reported, rolled back, and the id
    // counter left as it was).
    int AddChildNode(int parentId, const QString &name);

private:
    JETDAO::CDaoDatabase m_database;
    QString m_strRootName;
    int m_nNextId = 1;
};

} // namespace reader

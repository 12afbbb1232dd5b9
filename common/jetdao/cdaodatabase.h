#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

namespace JETDAO {

class CDaoRecordset;
class CDaoWorkspace;

// One database file, opened by its Windows-form path through the platform's
// drive table. Failures throw CDaoException.
class CDaoDatabase
{
public:
    CDaoDatabase();
    ~CDaoDatabase();  // closes
    Q_DISABLE_COPY_MOVE(CDaoDatabase)

    // Creates a new, empty database file and leaves it open for writing.
    // Refuses a file that exists already.
    void Create(const QString &path);
    // Opens an existing database file. A missing file is never created; a
    // file that is not a database, or one that is locked or unreadable, is
    // refused. A database opened read-only is held locked against changes
    // by other programs until it is closed. connect is accepted for
    // compatibility and not used.
    void Open(const QString &path, bool exclusive = false, bool readOnly = false,
              const QString &connect = QString());
    bool IsOpen() const;
    // Closes the recordsets still open on the database, then the database;
    // a transaction still in progress is rolled back.
    void Close();

    // The workspace whose transactions cover this database.
    CDaoWorkspace *m_pWorkspace;

private:
    friend class CDaoWorkspace;
    friend class CDaoRecordset;
    friend class CDaoTableDef;
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace JETDAO

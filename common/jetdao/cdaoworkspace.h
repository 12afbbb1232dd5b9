#pragma once

namespace JETDAO {

class CDaoDatabase;

// The transactions of one database. Every operation throws CDaoException
// when the database is not open or the engine refuses.
class CDaoWorkspace
{
public:
    void BeginTrans();
    void CommitTrans();
    // Undoes everything since BeginTrans. Without a transaction in progress
    // there is nothing to undo and nothing happens, so that an error
    // handler can always roll back.
    void Rollback();

private:
    friend class CDaoDatabase;
    explicit CDaoWorkspace(CDaoDatabase *database);

    CDaoDatabase *m_pDatabase;
};

} // namespace JETDAO

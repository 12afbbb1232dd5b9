#include "jetdao/jetdao.h"
#include "jetdaotest.h"

using namespace JETDAO;

namespace {

class JetDaoTransaction : public JetDaoTest
{
protected:
    void SetUp() override
    {
        JetDaoTest::SetUp();
        createDatabase(QStringLiteral("temp/KOUJIMASTER.MDB"),
                       {QStringLiteral("CREATE TABLE KOUJIMASTER (\"項目ＩＤ\" INTEGER, \"名称\" TEXT, "
                                       "\"子ＩＤ\" INTEGER, \"弟ＩＤ\" INTEGER, \"親ＩＤ\" INTEGER)"),
                        QStringLiteral("INSERT INTO KOUJIMASTER VALUES (1, 'ROOT', 0, 0, 0)")});
        m_database.Open(tempWinPath() + QStringLiteral("KOUJIMASTER.MDB"), false, false, QString());
    }

    void addNode(int id, const QString &name, const QString &parent)
    {
        CDaoRecordset recordset(&m_database);
        recordset.Open(dbOpenDynaset, QStringLiteral("select * from KOUJIMASTER"), dbConsistent);
        recordset.AddNew();
        recordset.SetFieldValue(QStringLiteral("項目ＩＤ"), QString::number(id));
        recordset.SetFieldValue(QStringLiteral("名称"), name);
        recordset.SetFieldValue(QStringLiteral("子ＩＤ"), QStringLiteral("0"));
        recordset.SetFieldValue(QStringLiteral("弟ＩＤ"), QStringLiteral("0"));
        recordset.SetFieldValue(QStringLiteral("親ＩＤ"), parent);
        recordset.Update();
    }

    QStringList nodes() const
    {
        return engineRows(QStringLiteral("temp/KOUJIMASTER.MDB"),
                          QStringLiteral("SELECT * FROM KOUJIMASTER ORDER BY rowid"));
    }

    CDaoDatabase m_database;
};

} // namespace

TEST_F(JetDaoTransaction, CommitKeepsAndRollbackDropsTheRows)
{
    m_database.m_pWorkspace->BeginTrans();
    addNode(2, QStringLiteral("土工"), QStringLiteral("1"));
    m_database.m_pWorkspace->CommitTrans();

    m_database.m_pWorkspace->BeginTrans();
    addNode(3, QStringLiteral("舗装工"), QStringLiteral("1"));
    m_database.m_pWorkspace->Rollback();

    EXPECT_EQ(nodes(), (QStringList{QStringLiteral("1|ROOT|0|0|0"), QStringLiteral("2|土工|0|0|1")}));
}

TEST_F(JetDaoTransaction, AFailedInsertionRolledBackLeavesNothing)
{
    // The link update succeeds, then the new row fails: neither remains.
    try {
        m_database.m_pWorkspace->BeginTrans();
        CDaoRecordset parent(&m_database);
        parent.Open(dbOpenDynaset, QStringLiteral("select * from KOUJIMASTER where 項目ＩＤ = 1"),
                    dbConsistent);
        parent.Edit();
        parent.SetFieldValue(QStringLiteral("子ＩＤ"), QStringLiteral("2"));
        parent.Update();
        parent.Close();
        addNode(2, QStringLiteral("土工"), QStringLiteral("親"));
        m_database.m_pWorkspace->CommitTrans();
        ADD_FAILURE() << "the bad parent id was taken";
    } catch (const CDaoException &) {
        m_database.m_pWorkspace->Rollback();
    }
    EXPECT_EQ(nodes(), QStringList{QStringLiteral("1|ROOT|0|0|0")});
}

TEST_F(JetDaoTransaction, RollbackWithoutTransactionIsHarmlessAndCommitIsNot)
{
    m_database.m_pWorkspace->Rollback();
    EXPECT_THROW(m_database.m_pWorkspace->CommitTrans(), CDaoException);
    m_database.m_pWorkspace->BeginTrans();
    EXPECT_THROW(m_database.m_pWorkspace->BeginTrans(), CDaoException);
    m_database.m_pWorkspace->Rollback();
}

TEST_F(JetDaoTransaction, ClosingRollsBackAndAClosedDatabaseRefuses)
{
    m_database.m_pWorkspace->BeginTrans();
    addNode(2, QStringLiteral("土工"), QStringLiteral("1"));
    m_database.Close();
    EXPECT_EQ(nodes(), QStringList{QStringLiteral("1|ROOT|0|0|0")});

    EXPECT_THROW(m_database.m_pWorkspace->BeginTrans(), CDaoException);
    m_database.m_pWorkspace->Rollback();
}

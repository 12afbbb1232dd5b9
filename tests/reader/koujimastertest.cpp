#include "koujimaster.h"

#include "photoinfotest.h"

#include <QFile>

using reader::KoujiMaster;

namespace {

class KoujiMasterTest : public PhotoInfoTest
{
protected:
    void openFreshCopy()
    {
        ASSERT_TRUE(KoujiMaster::copyTemplate(QString::fromUtf16(ProgramDir)));
        m_master.open();
        m_master.setRootName(QStringLiteral("ROOT"));
    }

    KoujiMaster m_master;
};

} // namespace

TEST_F(KoujiMasterTest, CopiesTheTemplateOverAnEarlierCopyAndMakesItWritable)
{
    writeFile(QStringLiteral("temp/KOUJIMASTER.MDB"), "an earlier build");
    // A read-only template in a folder named with and without its backslash.
    writeFile(QStringLiteral("prog/KOUJIMASTER"),
              readHostFile(QStringLiteral(TESSERA_PROGRAM_DIR "/KOUJIMASTER")));
    QFile::setPermissions(hostPath(QStringLiteral("prog/KOUJIMASTER")), QFile::ReadOwner);

    const QString copy = tempHostPath(QStringLiteral("KOUJIMASTER.MDB"));
    for (const QString &folder :
         {winPath(QStringLiteral("prog\\")), winPath(QStringLiteral("prog"))}) {
        ASSERT_TRUE(KoujiMaster::copyTemplate(folder)) << folder.toStdString();
        EXPECT_EQ(readHostFile(copy), readFile(QStringLiteral("prog/KOUJIMASTER")));
        EXPECT_TRUE(QFile::permissions(copy) & QFile::WriteOwner);
    }
    m_master.open();
    m_master.setRootName(QStringLiteral("ROOT"));
    EXPECT_EQ(m_master.CreateRootNode(), 1);
    m_master.close();

    EXPECT_FALSE(KoujiMaster::copyTemplate(winPath(QStringLiteral("missing\\"))));
    EXPECT_EQ(masterRows(), QStringList{QStringLiteral("1|ROOT|0|0|0")});
}

// Children are appended: the first is linked from its parent's 子ＩＤ, each
// further one from its elder sibling's 弟ＩＤ; the ids are stored as numbers.
TEST_F(KoujiMasterTest, LinksChildrenInTheOrderAdded)
{
    EXPECT_EQ(m_master.CreateRootNode(), 0);  // not open yet
    EXPECT_EQ(m_master.AddChildNode(1, QStringLiteral("A")), 0);
    openFreshCopy();
    ASSERT_EQ(m_master.CreateRootNode(), 1);
    EXPECT_EQ(m_master.AddChildNode(1, QStringLiteral("A")), 2);
    EXPECT_EQ(m_master.AddChildNode(1, QStringLiteral("B")), 3);
    EXPECT_EQ(m_master.AddChildNode(2, QStringLiteral("C")), 4);
    EXPECT_EQ(m_master.AddChildNode(1, QStringLiteral("D'E")), 5);
    m_master.close();

    EXPECT_EQ(masterRows(), (QStringList{QStringLiteral("1|ROOT|2|0|0"),
                                         QStringLiteral("2|A|4|3|1"), QStringLiteral("3|B|0|5|1"),
                                         QStringLiteral("4|C|0|0|2"),
                                         QStringLiteral("5|D'E|0|0|1")}));
    EXPECT_EQ(engineRows(QStringLiteral("temp/KOUJIMASTER.MDB"),
                         QStringLiteral("SELECT DISTINCT typeof(項目ＩＤ), typeof(名称), typeof(子ＩＤ), "
                                        "typeof(弟ＩＤ), typeof(親ＩＤ) FROM KOUJIMASTER")),
              QStringList{QStringLiteral("integer|text|integer|integer|integer")});
    EXPECT_TRUE(takeMessages().isEmpty());
}

// A refused row undoes the link made for it, is reported by the database's
// own message, and leaves its id to the next node.
TEST_F(KoujiMasterTest, RollsBackAFailedInsertionWhole)
{
    ASSERT_TRUE(KoujiMaster::copyTemplate(QString::fromUtf16(ProgramDir)));
    createDatabase(QStringLiteral("temp/KOUJIMASTER.MDB"),
                   {QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON KOUJIMASTER "
                                   "WHEN NEW.名称 = 'refused' "
                                   "BEGIN SELECT RAISE(ABORT, 'refused'); END")});
    m_master.open();
    m_master.setRootName(QStringLiteral("ROOT"));
    ASSERT_EQ(m_master.CreateRootNode(), 1);
    ASSERT_EQ(m_master.AddChildNode(1, QStringLiteral("A")), 2);

    // Refused after the link from A's 弟ＩＤ, then from A's 子ＩＤ.
    EXPECT_EQ(m_master.AddChildNode(1, QStringLiteral("refused")), 0);
    EXPECT_EQ(m_master.AddChildNode(2, QStringLiteral("refused")), 0);
    EXPECT_EQ(m_master.AddChildNode(9, QStringLiteral("no parent")), 0);
    ASSERT_EQ(m_answerer.messageBoxes().size(), 3);
    EXPECT_EQ(m_answerer.messageBoxes().at(0).icon, ui::Icon::Warning);
    EXPECT_EQ(m_master.AddChildNode(1, QStringLiteral("B")), 3);
    m_master.close();

    EXPECT_EQ(masterRows(), (QStringList{QStringLiteral("1|ROOT|2|0|0"),
                                         QStringLiteral("2|A|0|3|1"),
                                         QStringLiteral("3|B|0|0|1")}));
}

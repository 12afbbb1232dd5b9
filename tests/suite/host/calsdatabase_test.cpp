// CALS.mdb as the delivery support tool leaves it, read by the tables and
// columns docs/cals-database.md gives; what the samples write reads back
// the same; a database that is missing or lacks a table is refused.
#include "jetdaotest.h"

#include "calsdb/calsdatabase.h"
#include "calssample.h"

namespace {

// A registration as one line, for comparing lists.
QString describe(const calsdb::Registration &r)
{
    QStringList parts{QString::number(r.id), calsdb::folderOf(r.kind), r.title, r.meetingKind,
                      r.management, r.author, r.recipient, r.issued, r.received, r.completed,
                      r.subfolder, r.contractorNote, r.ordererNote};
    for (const calsdb::RegisteredFile &file : r.files)
        parts << file.path << file.japaneseName << file.software << file.content;
    return parts.join(u'|');
}

QStringList describe(const QList<calsdb::Registration> &registrations)
{
    QStringList lines;
    for (const calsdb::Registration &registration : registrations)
        lines.append(describe(registration));
    return lines;
}

const QStringList Tables = {
    QStringLiteral("create table XML (ID integer, FOLDER text, FILENAME text, TITLE text)"),
    QStringLiteral("create table MEET (ID integer, KIND text, MANAGEMENT text, AUTHOR text, "
                   "RECIPIENT text, ISSUED text, RECEIVED text, COMPLETED text, "
                   "CONTRACTORNOTE text, ORDERERNOTE text)"),
    QStringLiteral("create table PLAN (ID integer, CONTRACTORNOTE text, ORDERERNOTE text)"),
    QStringLiteral("create table OTHRS (ID integer, SUBFOLDER text, CONTRACTORNOTE text, "
                   "ORDERERNOTE text)"),
    QStringLiteral("create table FILES (ID integer, SEQ integer, PATH text, JAPANESENAME text, "
                   "SOFTWARE text, CONTENT text)"),
};

class CalsDatabaseTest : public JetDaoTest
{
protected:
    void SetUp() override
    {
        JetDaoTest::SetUp();
        makeFolder(QStringLiteral("cals"));
    }

    QString databasePath() const { return winPath(QStringLiteral("cals\\CALS.mdb")); }
};

} // namespace

TEST_F(CalsDatabaseTest, ReadsTheRegistrationsOfTheKindsTheExportMakesInIdOrder)
{
    createDatabase(QStringLiteral("cals/CALS.mdb"),
                   Tables
                       + QStringList{
                           QStringLiteral("insert into XML values (4, 'PLAN', 'PLAN.XML', '施工計画書')"),
                           QStringLiteral("insert into XML values (2, 'DRAWING', 'DRAWING.XML', '図面')"),
                           QStringLiteral("insert into XML values (1, 'MEET', 'MEET.XML', '打合せ簿')"),
                           QStringLiteral("insert into XML values (3, 'othrs', 'OTHRS.XML', '資料')"),
                           QStringLiteral("insert into MEET values (1, '協議', '材料', '受注者', "
                                          "'発注者', '2024-04-01', '2024-04-02', '2024-04-30', "
                                          "'請負', '発注')"),
                           QStringLiteral("insert into PLAN values (4, '', '')"),
                           QStringLiteral("insert into OTHRS values (3, '品質証明書類', 'メモ', '')"),
                           QStringLiteral("insert into FILES values (1, 2, 'b.txt', '', 'テキスト', '添付')"),
                           QStringLiteral("insert into FILES values (1, 1, 'C:\\docs\\a.pdf', "
                                          "'本文.pdf', 'PDF', '本文')"),
                           QStringLiteral("insert into FILES values (2, 1, 'z.dwg', '', '', '')"),
                           QStringLiteral("insert into FILES values (4, 1, 'p.pdf', '', 'PDF', '計画')"),
                       });
    QList<calsdb::Registration> read;
    QString error;
    ASSERT_TRUE(calsdb::readRegistrations(databasePath(), &read, &error)) << error.toStdString();
    EXPECT_EQ(describe(read),
              QStringList({QStringLiteral("1|MEET|打合せ簿|協議|材料|受注者|発注者|2024-04-01|"
                                          "2024-04-02|2024-04-30||請負|発注|C:\\docs\\a.pdf|本文.pdf|PDF|"
                                          "本文|b.txt||テキスト|添付"),
                           QStringLiteral("3|OTHRS|資料||||||||品質証明書類|メモ|"),
                           QStringLiteral("4|PLAN|施工計画書|||||||||||p.pdf||PDF|計画")}));
}

TEST_F(CalsDatabaseTest, WhatTheSamplesWriteReadsBackTheSame)
{
    const CalsSample sample{hostPath(QStringLiteral("cals")), winPath(QStringLiteral("cals")), 7};
    QString error;
    ASSERT_TRUE(sample.write(&error)) << error.toStdString();
    EXPECT_EQ(engineValue(QStringLiteral("cals/CALS.mdb"), QStringLiteral("select count(*) from XML"))
                  .toInt(),
              7);
    QList<calsdb::Registration> read;
    ASSERT_TRUE(calsdb::readRegistrations(databasePath(), &read, &error)) << error.toStdString();
    EXPECT_EQ(describe(read), describe(sample.planned()));
}

TEST_F(CalsDatabaseTest, AMissingDatabaseOrTableIsRefusedWithItsReason)
{
    const struct
    {
        const char *name;
        QStringList statements; // none: no file at all
    } cases[] = {
        {"no file", {}},
        {"no FILES table", Tables.mid(0, 4)},
        {"no TITLE column",
         QStringList{QStringLiteral("create table XML (ID integer, FOLDER text)"),
                     QStringLiteral("insert into XML values (1, 'MEET')")}
             + Tables.mid(1)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(hostPath(QStringLiteral("cals/CALS.mdb")));
        if (!c.statements.isEmpty())
            createDatabase(QStringLiteral("cals/CALS.mdb"), c.statements);
        QList<calsdb::Registration> read;
        QString error;
        EXPECT_FALSE(calsdb::readRegistrations(databasePath(), &read, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(read.isEmpty());
    }
}

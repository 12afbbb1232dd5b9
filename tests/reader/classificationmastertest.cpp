#include "classificationmaster.h"

#include "photoinfotest.h"

#include <QFile>

#include <map>

using reader::ClassificationMaster;
using reader::KoujiMaster;

namespace {

class ClassificationMasterTest : public PhotoInfoTest
{
protected:
    QString build()
    {
        return m_classification.BuildClassificationTree(QString::fromUtf16(ProgramDir));
    }

    ClassificationMaster m_classification;
};

// The tree a classification should give, worked out apart from the
// program's queries: each photo's levels up to the first empty one, merged
// into a tree whose children sort by their text, numbered depth first.
class ExpectedTree
{
public:
    void addPath(const QStringList &levels)
    {
        Node *node = &m_root;
        for (const QString &level : levels) {
            if (level.isEmpty())
                break;
            node = &node->children[level];
        }
    }

    QStringList rows() const
    {
        QList<Row> rows{{1, QStringLiteral("ROOT"), 0, 0, 0}};
        number(m_root, 0, rows);
        QStringList texts;
        for (const Row &row : rows)
            texts.append(QStringList{QString::number(row.id), row.name, QString::number(row.child),
                                     QString::number(row.younger), QString::number(row.parent)}
                             .join(QLatin1Char('|')));
        return texts;
    }

private:
    struct Node
    {
        std::map<QString, Node> children;
    };
    struct Row
    {
        int id;
        QString name;
        int child;
        int younger;
        int parent;
    };

    static void number(const Node &node, int index, QList<Row> &rows)
    {
        int elder = -1;
        for (const auto &[name, child] : node.children) {
            const int row = int(rows.size());
            rows.append({row + 1, name, 0, 0, rows.at(index).id});
            if (elder < 0)
                rows[index].child = row + 1;
            else
                rows[elder].younger = row + 1;
            elder = row;
            number(child, row, rows);
        }
    }

    Node m_root;
};

// Duplicates, empty and null levels, and quotes in values.
const QString Classifications = QStringLiteral(
    "INSERT INTO 撮影工種区分 VALUES (1, '工事', '施工状況写真', '土工', '掘削工', '床掘り'), "
    "(2, '工事', '施工状況写真', '土工', '掘削工', '床掘り'), (3, '工事', '着手前及び完成写真', '', '', ''), "
    "(4, '工事', '施工状況写真', '舗装工', '', ''), (5, '', '品質管理写真', 'x', 'y', 'z'), "
    "(6, '工事', '施工状況写真', '土工', '掘削工', '埋戻し'), "
    "(7, 'O''Brien''s', '品質管理写真', '杭''工', '既製杭', '鋼管杭'), "
    "(8, '工事', '施工状況写真', '土工', '盛土工', '路体盛土'), (9, '工事', '施工状況写真', '土工', '', '床掘り'), "
    "(10, '工事', NULL, NULL, NULL, NULL)");

} // namespace

TEST_F(ClassificationMasterTest, BuildsTheClassificationDepthFirstInTextOrder)
{
    writePhotoDatabase({Classifications});

    EXPECT_EQ(build(), QString());
    EXPECT_EQ(masterRows(), (QStringList{
                                QStringLiteral("1|ROOT|2|0|0"),
                                QStringLiteral("2|O'Brien's|3|7|1"),
                                QStringLiteral("3|品質管理写真|4|0|2"),
                                QStringLiteral("4|杭'工|5|0|3"),
                                QStringLiteral("5|既製杭|6|0|4"),
                                QStringLiteral("6|鋼管杭|0|0|5"),
                                QStringLiteral("7|工事|8|0|1"),
                                QStringLiteral("8|施工状況写真|9|16|7"),
                                QStringLiteral("9|土工|10|15|8"),
                                QStringLiteral("10|掘削工|11|13|9"),
                                QStringLiteral("11|埋戻し|0|12|10"),
                                QStringLiteral("12|床掘り|0|0|10"),
                                QStringLiteral("13|盛土工|14|0|9"),
                                QStringLiteral("14|路体盛土|0|0|13"),
                                QStringLiteral("15|舗装工|0|0|8"),
                                QStringLiteral("16|着手前及び完成写真|0|0|7"),
                            }));
    EXPECT_TRUE(takeMessages().isEmpty());
}

// A node the table refuses is reported and left out with its branch; its
// siblings follow under the next ids.
TEST_F(ClassificationMasterTest, LeavesOutTheBranchOfARefusedNode)
{
    writePhotoDatabase({Classifications});
    writeFile(QStringLiteral("prog/KOUJIMASTER"),
              readHostFile(QStringLiteral(TESSERA_PROGRAM_DIR "/KOUJIMASTER")));
    createDatabase(QStringLiteral("prog/KOUJIMASTER"),
                   {QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON KOUJIMASTER "
                                   "WHEN NEW.名称 = '土工' "
                                   "BEGIN SELECT RAISE(ABORT, 'refused'); END")});

    EXPECT_EQ(m_classification.BuildClassificationTree(winPath(QStringLiteral("prog"))), QString());
    EXPECT_EQ(masterRows(), (QStringList{
                                QStringLiteral("1|ROOT|2|0|0"),
                                QStringLiteral("2|O'Brien's|3|7|1"),
                                QStringLiteral("3|品質管理写真|4|0|2"),
                                QStringLiteral("4|杭'工|5|0|3"),
                                QStringLiteral("5|既製杭|6|0|4"),
                                QStringLiteral("6|鋼管杭|0|0|5"),
                                QStringLiteral("7|工事|8|0|1"),
                                QStringLiteral("8|施工状況写真|9|10|7"),
                                QStringLiteral("9|舗装工|0|0|8"),
                                QStringLiteral("10|着手前及び完成写真|0|0|7"),
                            }));
    EXPECT_EQ(takeMessages().size(), 1);
}

TEST_F(ClassificationMasterTest, GivesAGeneratedDeliveryItsTreeAndTheSameIdsOnEveryBuild)
{
    ASSERT_FALSE(readGeneratedDelivery(DeliveryOptions::Standard::Mlit, 400).isEmpty());
    ExpectedTree expected;
    const QStringList paths = engineRows(
        QStringLiteral("temp/G_PHOTO.mdb"),
        QStringLiteral("SELECT [写真-大分類], 写真区分, 工種, 種別, 細別 FROM 撮影工種区分"));
    for (const QString &path : paths)
        expected.addPath(path.split(QLatin1Char('|')));
    ASSERT_GT(expected.rows().size(), 20);

    EXPECT_EQ(build(), QString());
    const QStringList first = masterRows();
    EXPECT_EQ(first, expected.rows());
    EXPECT_EQ(build(), QString());
    EXPECT_EQ(masterRows(), first);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(ClassificationMasterTest, LeavesTheRootAloneForAnEmptyClassification)
{
    writePhotoDatabase({});
    EXPECT_EQ(build(), QString());
    EXPECT_EQ(masterRows(), QStringList{QStringLiteral("1|ROOT|0|0|0")});
}

// The build stops with the database's own text, closes what it opened, and
// the next build starts afresh.
TEST_F(ClassificationMasterTest, ReportsAMissingOrBrokenPhotoDatabase)
{
    EXPECT_FALSE(build().isEmpty());
    EXPECT_TRUE(masterRows().isEmpty());

    writeFile(QStringLiteral("temp/G_PHOTO.mdb"), QByteArray(4096, 'x'));
    EXPECT_FALSE(build().isEmpty());

    QFile::remove(tempHostPath(QStringLiteral("G_PHOTO.mdb")));
    createDatabase(QStringLiteral("temp/G_PHOTO.mdb"),
                   {QStringLiteral("CREATE TABLE other (a INTEGER)")});
    EXPECT_FALSE(build().isEmpty());
    EXPECT_EQ(masterRows(), QStringList{QStringLiteral("1|ROOT|0|0|0")});

    QFile::remove(tempHostPath(QStringLiteral("G_PHOTO.mdb")));
    writePhotoDatabase({});
    EXPECT_EQ(build(), QString());
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(ClassificationMasterTest, StopsWhenTheTemplateCannotBeCopied)
{
    writePhotoDatabase({});
    EXPECT_EQ(m_classification.BuildClassificationTree(winPath(QStringLiteral("nowhere\\"))),
              KoujiMaster::TemplateCopyFailed.toString());
    EXPECT_FALSE(QFile::exists(tempHostPath(QStringLiteral("KOUJIMASTER.MDB"))));
}

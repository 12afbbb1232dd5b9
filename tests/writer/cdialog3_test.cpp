#include "cdialog3.h"

#include "exportsettings.h"
#include "standardcodes.h"
#include "writerids.h"

#include "jetdaotest.h"
#include "photodb/photodbschema.h"
#include "ui/reportlist.h"
#include "wizardtest.h"

namespace {

namespace ids = writer::ids::photoinfo;

const QStringList FixedHeadings = {
    QStringLiteral("ｼﾘｱﾙ番号"), QStringLiteral("写真ﾌｧｲﾙ名"), QStringLiteral("写真-大分類"),
    QStringLiteral("写真区分"), QStringLiteral("工種"), QStringLiteral("種別"),
    QStringLiteral("細別"), QStringLiteral("写真ﾀｲﾄﾙ"), QStringLiteral("参考図"),
    QStringLiteral("撮影箇所"), QStringLiteral("施工管理値")};
const QString JapaneseHeading = QStringLiteral("写真ﾌｧｲﾙ日本語名");
const QString RepresentativeHeading = QStringLiteral("代表写真");
const QString FrequencyHeading = QStringLiteral("提出頻度写真");

// A row of 写真情報; the texts derive from the serial.
QString photoRow(int serial, int drawings, const QString &representative, const QString &frequency)
{
    return QStringLiteral("(%1, 'P%1.JPG', '写真%1.JPG', '工事', '施工状況写真', '土工', '掘削工', "
                          "'床掘り', '題%1', %2, '箇所', '値', %3, %4)")
        .arg(QString::number(serial), QString::number(drawings), representative, frequency);
}

// The photo page between two stand-ins, as the options page and the
// destination page surround it.
class CDialog3Test : public WizardTest
{
protected:
    void start(int standardCode, int japaneseNames)
    {
        m_settings.m_nStandardCode = standardCode;
        m_settings.m_nPhotoStandard = standards::standardCode(standardCode).category;
        m_settings.m_nJapaneseNames = japaneseNames;
        auto *sheet = new ui::WizardSheet;
        sheet->addPage(new StandInPage(standards::SimpleOptionsPage));
        sheet->addPage(new writer::CDialog3(m_settings));
        sheet->addPage(new StandInPage(writer::ids::destination::Template));
        startWizard(sheet);
        next();
        ASSERT_EQ(currentPage(), ids::Template);
    }

    void writePhotos(const QStringList &rows) const
    {
        createEngineDatabase(tempHostPath(QStringLiteral("G_PHOTO.mdb")),
                             photodb::createTableStatements()
                                 + QStringList{QStringLiteral("INSERT INTO 写真情報 VALUES ")
                                               + rows.join(QStringLiteral(", "))});
    }

    ui::ReportList *list() const { return static_cast<ui::ReportList *>(control(ids::PhotoList)); }

    QStringList headings() const
    {
        QStringList texts;
        for (int column = 0; column < list()->columnCount(); ++column)
            texts.append(list()->columnHeading(column));
        return texts;
    }

    QStringList row(int index) const
    {
        QStringList cells;
        for (int column = 0; column < list()->columnCount(); ++column)
            cells.append(list()->itemText(index, column));
        return cells;
    }

    writer::ExportSettings m_settings;
};

struct ColumnCase
{
    int code;
    int japaneseNames;
    QStringList headings;
    QStringList firstRow;
};

QStringList withJapanese(QStringList headings)
{
    headings.insert(2, JapaneseHeading);
    return headings;
}

// The cells of serial 3 (付加情報 1, 代表写真 and 提出頻度写真 null) in the
// fixed columns, the file name cell given.
QStringList fixedCells(const QString &fileName)
{
    return {QStringLiteral("0000003"), fileName, QStringLiteral("工事"),
            QStringLiteral("施工状況写真"), QStringLiteral("土工"), QStringLiteral("掘削工"),
            QStringLiteral("床掘り"), QStringLiteral("題3"), QStringLiteral("有"),
            QStringLiteral("箇所"), QStringLiteral("値")};
}

const QString FileName = QStringLiteral("P3.JPG");
const QString JapaneseName = QStringLiteral("写真3.JPG");

QStringList withJapaneseCell(QStringList cells)
{
    cells.insert(2, JapaneseName);
    return cells;
}

const QString Zero = QStringLiteral("0");

const ColumnCase ColumnCases[] = {
    // Category 0: the Japanese name is the file name; no optional column.
    {90, 0, FixedHeadings, fixedCells(JapaneseName)},
    {90, 1, FixedHeadings, fixedCells(JapaneseName)},
    // Category 4: the Japanese-name column only.
    {5, 0, FixedHeadings, fixedCells(FileName)},
    {5, 1, withJapanese(FixedHeadings), withJapaneseCell(fixedCells(FileName))},
    // Category 5: 代表写真 too, "0" for a null one.
    {70, 0, FixedHeadings + QStringList{RepresentativeHeading}, fixedCells(FileName) + QStringList{Zero}},
    {70, 1, withJapanese(FixedHeadings) + QStringList{RepresentativeHeading},
     withJapaneseCell(fixedCells(FileName)) + QStringList{Zero}},
    // Category 8: 代表写真 and 提出頻度写真.
    {26, 0, FixedHeadings + QStringList{RepresentativeHeading, FrequencyHeading},
     fixedCells(FileName) + QStringList{Zero, Zero}},
    {26, 1, withJapanese(FixedHeadings) + QStringList{RepresentativeHeading, FrequencyHeading},
     withJapaneseCell(fixedCells(FileName)) + QStringList{Zero, Zero}},
};

class CDialog3ColumnsTest : public CDialog3Test, public testing::WithParamInterface<ColumnCase>
{
};

TEST_P(CDialog3ColumnsTest, FollowCategoryAndJapaneseNames)
{
    const ColumnCase &c = GetParam();
    writePhotos({photoRow(3, 1, QStringLiteral("NULL"), QStringLiteral("NULL"))});
    start(c.code, c.japaneseNames);
    EXPECT_EQ(headings(), c.headings);
    ASSERT_EQ(list()->itemCount(), 1);
    EXPECT_EQ(row(0), c.firstRow);
    const auto alignment = [this](int column) {
        return list()->model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole)
                   .value<Qt::Alignment>()
            & Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(0), Qt::AlignHCenter);
    EXPECT_EQ(alignment(1), Qt::AlignLeft);
    EXPECT_EQ(alignment(int(c.headings.indexOf(QStringLiteral("参考図")))), Qt::AlignHCenter);
}

INSTANTIATE_TEST_SUITE_P(Categories, CDialog3ColumnsTest, testing::ValuesIn(ColumnCases));

TEST_F(CDialog3Test, RowsInSerialOrderWithTheirMarks)
{
    writePhotos({photoRow(120, 0, QStringLiteral("'1'"), QStringLiteral("'2'")),
                 photoRow(7, 1, QStringLiteral("''"), QStringLiteral("''")),
                 photoRow(9999999, 0, QStringLiteral("NULL"), QStringLiteral("'1'")),
                 photoRow(45, 0, QStringLiteral("'1'"), QStringLiteral("NULL"))});
    start(26, 0);
    const int drawings = FixedHeadings.indexOf(QStringLiteral("参考図"));
    const int representative = FixedHeadings.size();
    const QStringList expected = {
        QStringLiteral("0000007|有|0|0"), QStringLiteral("0000045|無|1|0"),
        QStringLiteral("0000120|無|1|2"), QStringLiteral("9999999|無|0|1")};
    QStringList shown;
    for (int index = 0; index < list()->itemCount(); ++index) {
        const QStringList cells = row(index);
        shown.append(QStringList{cells[0], cells[drawings], cells[representative],
                                 cells[representative + 1]}
                         .join(QLatin1Char('|')));
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(CDialog3Test, FrequencyAlwaysZeroInCategoryNine)
{
    writePhotos({photoRow(1, 0, QStringLiteral("'1'"), QStringLiteral("'3'"))});
    m_settings.m_nJapaneseNames = 0;
    m_settings.m_nStandardCode = 0;
    auto *sheet = new ui::WizardSheet;
    m_settings.m_nPhotoStandard = 9;
    sheet->addPage(new writer::CDialog3(m_settings));
    startWizard(sheet);
    ASSERT_EQ(list()->columnCount(), FixedHeadings.size() + 2);
    const QStringList optionalCells{QStringLiteral("1"), Zero};
    EXPECT_EQ(row(0).mid(FixedHeadings.size()), optionalCells);
}

TEST_F(CDialog3Test, OptionTurnedOffRemovesColumnTwoOptionalColumnsStay)
{
    writePhotos({photoRow(3, 1, QStringLiteral("NULL"), QStringLiteral("NULL"))});
    start(26, 1);
    ASSERT_EQ(headings().value(2), JapaneseHeading);
    back();
    m_settings.m_nJapaneseNames = 0;
    next();
    const QStringList optional{RepresentativeHeading, FrequencyHeading};
    EXPECT_EQ(headings(), FixedHeadings + optional);
    const QStringList zeros{Zero, Zero};
    EXPECT_EQ(row(0), fixedCells(FileName) + zeros);
    EXPECT_EQ(m_settings.m_nJapaneseNameColumn, 0);
    EXPECT_EQ(m_settings.m_nRepresentativeColumn, 1);
    EXPECT_EQ(m_settings.m_nSubmitFrequencyColumn, 1);
}

TEST_F(CDialog3Test, MissingDatabaseIsReportedAndLeavesTheListEmpty)
{
    start(5, 0);
    EXPECT_EQ(list()->itemCount(), 0);
    EXPECT_EQ(headings(), FixedHeadings);
    EXPECT_EQ(takeMessages().size(), 1);
}

} // namespace

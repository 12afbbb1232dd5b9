#include "cdialog3.h"

#include "importsettings.h"
#include "photoinfotest.h"
#include "readerids.h"
#include "uitestsupport.h"

#include "jetdao/cdaodatabase.h"
#include "jetdao/cdaoexception.h"
#include "ui/controls.h"
#include "ui/reportlist.h"
#include "ui/wizardsheet.h"

#include <QAbstractButton>
#include <QFile>

#include <functional>

using reader::CDialog3;
using reader::PhotoListLayout;
using ui::WizardSheet;
namespace ids = reader::ids::photoinfo;

namespace {

const QString MlitName = QStringLiteral("国土交通省 デジタル写真管理情報基準（平成２０年５月版準拠)");
const QString Nexco24Name = reader::NexcoStandard2012.toString();

const QStringList MlitHeadings = {
    QStringLiteral("ｼﾘｱﾙ番号"), QStringLiteral("写真ﾌｧｲﾙ名"), QStringLiteral("写真ﾌｧｲﾙ日本語名"),
    QStringLiteral("写真-大分類"), QStringLiteral("写真区分"), QStringLiteral("工種"), QStringLiteral("種別"),
    QStringLiteral("細別"), QStringLiteral("写真ﾀｲﾄﾙ"), QStringLiteral("参考図"), QStringLiteral("撮影箇所"),
    QStringLiteral("施工管理値"), QStringLiteral("代表写真")};
const QString FrequencyHeading = QStringLiteral("提出頻度写真");

QStringList without(QStringList headings, const QStringList &missing)
{
    for (const QString &heading : missing)
        headings.removeOne(heading);
    return headings;
}

const QStringList Nexco24Headings =
    without(MlitHeadings, {QStringLiteral("写真ﾌｧｲﾙ日本語名"), QStringLiteral("代表写真")});

// A row of 写真情報: serial, file name, 付加情報 and 提出頻度写真; the other
// texts derive from the serial.
QString photoRow(int serial, const QString &drawings = QStringLiteral("0"),
                 const QString &frequency = QString())
{
    return QStringLiteral("(%1, 'P%1.JPG', '写真%1.JPG', '工事', '施工状況写真', '土工', '掘削工', '床掘り', "
                          "'題%1', %2, '箇所', '値', '1', '%3')")
        .arg(QString::number(serial), drawings, frequency);
}

QString insertPhotos(const QStringList &rows)
{
    return QStringLiteral("INSERT INTO 写真情報 VALUES ") + rows.join(QStringLiteral(", "));
}

class CDialog3Test : public PhotoInfoTest
{
protected:
    void SetUp() override
    {
        PhotoInfoTest::SetUp();
        m_settings.m_strProgramDir = QString::fromUtf16(ProgramDir);
        m_settings.m_strStandardName = MlitName;
        m_page = new CDialog3(m_settings);
        m_sheet.addPage(m_page);
        m_sheet.addPage(
            new ui::PropertyPage(reader::ids::albummethod::Template, QStringLiteral("134")));
    }

    void start()
    {
        ASSERT_TRUE(m_sheet.activateFirstPage());
        showActive(&m_sheet);
    }
    // Leaves the page by Next and comes back to it, as the user does.
    void revisit()
    {
        m_sheet.pressButton(WizardSheet::NextButton);
        ASSERT_EQ(m_sheet.currentPage()->templateId(), reader::ids::albummethod::Template);
        m_sheet.pressButton(WizardSheet::BackButton);
        ASSERT_EQ(m_sheet.currentPage(), m_page);
    }
    // A new delivery of the standard with these photos, shown on return.
    void readDelivery(const QString &standardName, const QStringList &rows)
    {
        QFile::remove(tempHostPath(QStringLiteral("G_PHOTO.mdb")));
        writePhotoDatabase(rows.isEmpty() ? QStringList() : QStringList{insertPhotos(rows)});
        m_settings.m_strStandardName = standardName;
        m_settings.m_bPhotoListLoaded = false;
    }

    ui::ReportList *list() const { return m_page->control<ui::ReportList>(ids::PhotoList); }
    QAbstractButton *button(int id) const { return m_page->control<QAbstractButton>(id); }
    QStringList headings() const
    {
        QStringList texts;
        for (int column = 0; column < list()->columnCount(); ++column)
            texts.append(list()->columnHeading(column));
        return texts;
    }
    QStringList cells(int column) const
    {
        QStringList texts;
        for (int row = 0; row < list()->itemCount(); ++row)
            texts.append(list()->itemText(row, column));
        return texts;
    }
    // The text the database layer gives for the file as it now is.
    QString openFailureText() const
    {
        try {
            JETDAO::CDaoDatabase database;
            database.Open(tempWinPath() + QStringLiteral("G_PHOTO.mdb"), false, true, QString());
        } catch (const JETDAO::CDaoException &e) {
            return e.GetErrorMessage();
        }
        return QString();
    }

    reader::ImportSettings m_settings;
    WizardSheet m_sheet;
    CDialog3 *m_page = nullptr;
};

// The columns a generated delivery of the standard shows.
struct StandardColumns
{
    const char *name;
    DeliveryOptions::Standard standard;
    QStringList headings;
};

void PrintTo(const StandardColumns &columns, std::ostream *stream)
{
    *stream << columns.name;
}

class CDialog3Standards : public CDialog3Test, public ::testing::WithParamInterface<StandardColumns>
{
};

} // namespace

TEST_P(CDialog3Standards, ShowTheColumnsOfTheDeliveryStandard)
{
    m_settings.m_strStandardName = readGeneratedDelivery(GetParam().standard, 5);
    start();

    EXPECT_EQ(headings(), GetParam().headings);
    EXPECT_EQ(cells(0), (QStringList{QStringLiteral("0001"), QStringLiteral("0002"),
                                     QStringLiteral("0003"), QStringLiteral("0004"),
                                     QStringLiteral("0005")}));
    const QAbstractItemModel *model = list()->model();
    for (int column = 0; column < list()->columnCount(); ++column) {
        const QString heading = list()->columnHeading(column);
        EXPECT_EQ(list()->columnWidth(column), list()->textWidth(heading) + 15)
            << heading.toStdString();
        const bool centred =
            heading == QStringLiteral("ｼﾘｱﾙ番号") || heading == QStringLiteral("参考図");
        const auto alignment = model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole)
                                   .value<Qt::Alignment>();
        EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask, centred ? Qt::AlignHCenter : Qt::AlignLeft)
            << heading.toStdString();
    }
    EXPECT_TRUE(takeMessages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Deliveries, CDialog3Standards,
    ::testing::Values(
        StandardColumns{"Mlit", DeliveryOptions::Standard::Mlit,
                        MlitHeadings + QStringList{FrequencyHeading}},
        StandardColumns{"Nexco2006", DeliveryOptions::Standard::Nexco2006,
                        without(MlitHeadings, {QStringLiteral("代表写真")})},
        StandardColumns{"Nexco2012", DeliveryOptions::Standard::Nexco2012, Nexco24Headings}),
    [](const ::testing::TestParamInfo<StandardColumns> &info) { return info.param.name; });

TEST_F(CDialog3Test, ListsSerialsInAscendingOrderWithTheirDrawingsMark)
{
    writePhotoDatabase({insertPhotos({photoRow(103, QStringLiteral("1")), photoRow(7),
                                      photoRow(9, QStringLiteral("5")),
                                      QStringLiteral("(12, NULL, NULL, NULL, NULL, NULL, "
                                                     "NULL, NULL, NULL, NULL, NULL, NULL, "
                                                     "NULL, NULL)")})});
    start();

    EXPECT_EQ(cells(0), (QStringList{QStringLiteral("0007"), QStringLiteral("0009"),
                                     QStringLiteral("0012"), QStringLiteral("0103")}));
    EXPECT_EQ(cells(9), (QStringList{QStringLiteral("無"), QStringLiteral("有"), QStringLiteral("無"),
                                     QStringLiteral("有")}));
    EXPECT_EQ(cells(1), (QStringList{QStringLiteral("P7.JPG"), QStringLiteral("P9.JPG"), QString(),
                                     QStringLiteral("P103.JPG")}));
    EXPECT_EQ(list()->itemText(3, 12), QStringLiteral("1"));

    // Longer serials widen every serial of the delivery, so the order holds.
    readDelivery(MlitName, {photoRow(7), photoRow(100000), photoRow(9999)});
    revisit();
    EXPECT_EQ(cells(0), (QStringList{QStringLiteral("000007"), QStringLiteral("009999"),
                                     QStringLiteral("100000")}));
    EXPECT_EQ(photodb::serialText(-5, PhotoListLayout::SerialDigits), QStringLiteral("-005"));
}

TEST_F(CDialog3Test, MakesTheColumnsForAnEmptyTable)
{
    writePhotoDatabase({});
    start();
    EXPECT_EQ(headings(), MlitHeadings);
    EXPECT_EQ(list()->itemCount(), 0);
    EXPECT_EQ(m_page->FillPhotoList(), 1);
    EXPECT_TRUE(m_settings.m_bPhotoListLoaded);
}

// The frequency column shows while the delivery has such marks; the other
// columns, and the widths the user gave them, stay while the standard does.
TEST_F(CDialog3Test, FollowsEachNewDeliveryWithItsColumns)
{
    writePhotoDatabase(
        {insertPhotos({photoRow(1), photoRow(2, QStringLiteral("0"), QStringLiteral("1"))})});
    start();
    EXPECT_EQ(headings(), MlitHeadings + QStringList{FrequencyHeading});
    EXPECT_EQ(cells(13), (QStringList{QString(), QStringLiteral("1")}));

    readDelivery(MlitName, {photoRow(1)});
    revisit();
    EXPECT_EQ(headings(), MlitHeadings);
    list()->setColumnWidth(1, 222);
    readDelivery(MlitName, {photoRow(3)});
    revisit();
    EXPECT_EQ(list()->columnWidth(1), 222);
    EXPECT_EQ(cells(0), QStringList{QStringLiteral("0003")});

    readDelivery(Nexco24Name, {photoRow(4, QStringLiteral("0"), QStringLiteral("1"))});
    revisit();
    EXPECT_EQ(headings(), Nexco24Headings + QStringList{FrequencyHeading});
    EXPECT_EQ(list()->itemText(0, 2), QStringLiteral("工事"));
    EXPECT_EQ(list()->itemText(0, 11), QStringLiteral("1"));
}

TEST_F(CDialog3Test, ReadsTheDatabaseAgainOnlyForANewDelivery)
{
    writePhotoDatabase({insertPhotos({photoRow(1), photoRow(2)})});
    start();
    ASSERT_EQ(list()->itemCount(), 2);

    createDatabase(QStringLiteral("temp/G_PHOTO.mdb"), {insertPhotos({photoRow(3)})});
    revisit();
    EXPECT_EQ(cells(0), (QStringList{QStringLiteral("0001"), QStringLiteral("0002")}));
    m_settings.m_bPhotoListLoaded = false;
    revisit();
    EXPECT_EQ(cells(0), (QStringList{QStringLiteral("0001"), QStringLiteral("0002"),
                                     QStringLiteral("0003")}));
}

// Only a click stores the choice; a new delivery proposes the photo file
// names again, and a standard without Japanese names offers no choice.
TEST_F(CDialog3Test, StoresTheFileNameChoiceOnlyWhenClicked)
{
    readDelivery(Nexco24Name, {photoRow(1)});
    start();
    for (const int id : {ids::FileNameByPhoto, ids::FileNameByJapanese, ids::FileNameLabel})
        EXPECT_FALSE(m_page->control(id)->isEnabled()) << id;
    EXPECT_EQ(ui::checkState(button(ids::FileNameByPhoto)), 1);
    EXPECT_EQ(m_settings.m_nFileNameByPhoto, 1);
    EXPECT_EQ(m_settings.m_nFileNameByJapanese, 0);

    readDelivery(MlitName, {photoRow(1)});
    revisit();
    for (const int id : {ids::FileNameByPhoto, ids::FileNameByJapanese, ids::FileNameLabel})
        EXPECT_TRUE(m_page->control(id)->isEnabled()) << id;
    ASSERT_TRUE(ui::clickAsUser(button(ids::FileNameByJapanese)));
    EXPECT_EQ(m_settings.m_nFileNameByPhoto, 0);
    EXPECT_EQ(m_settings.m_nFileNameByJapanese, 1);

    readDelivery(MlitName, {photoRow(2)});
    revisit();
    EXPECT_EQ(ui::checkState(button(ids::FileNameByPhoto)), 1);
    EXPECT_EQ(m_settings.m_nFileNameByJapanese, 1);
    ASSERT_TRUE(ui::clickAsUser(button(ids::FileNameByPhoto)));
    EXPECT_EQ(m_settings.m_nFileNameByPhoto, 1);
    EXPECT_EQ(m_settings.m_nFileNameByJapanese, 0);
}

TEST_F(CDialog3Test, BuildsTheClassificationMasterOnNext)
{
    writePhotoDatabase(
        {QStringLiteral("INSERT INTO 撮影工種区分 VALUES (1, '工事', '施工状況写真', '', '', '')")});
    start();
    m_sheet.pressButton(WizardSheet::NextButton);
    EXPECT_EQ(m_sheet.currentPage()->templateId(), reader::ids::albummethod::Template);
    EXPECT_EQ(masterRows(), (QStringList{QStringLiteral("1|ROOT|2|0|0"),
                                         QStringLiteral("2|工事|3|0|1"),
                                         QStringLiteral("3|施工状況写真|0|0|2")}));
}

// A read-only KOUJIMASTER.MDB left in the temp folder, or no temp folder:
// the import is interrupted, as the message says, and the page stays, so
// that Finish never follows a master that was not built.
TEST_F(CDialog3Test, TemplateThatCannotBeCopiedKeepsThePage)
{
    writePhotoDatabase({});
    writeFile(QStringLiteral("temp/KOUJIMASTER.MDB"), "stale");
    QFile::setPermissions(tempHostPath(QStringLiteral("KOUJIMASTER.MDB")), QFileDevice::ReadOwner);
    start();
    m_answerer.clearRecords();
    m_sheet.pressButton(WizardSheet::NextButton);
    EXPECT_EQ(m_sheet.currentPage(), m_page);
    EXPECT_EQ(takeMessages(), QStringList({reader::KoujiMaster::TemplateCopyFailed.toString()}));
    EXPECT_EQ(readFile(QStringLiteral("temp/KOUJIMASTER.MDB")), QByteArray("stale"));

    qputenv("TMP", QFile::encodeName(hostPath(QStringLiteral("gone"))));
    m_sheet.pressButton(WizardSheet::NextButton);
    qputenv("TMP", QFile::encodeName(tempHostPath()));
    EXPECT_EQ(m_sheet.currentPage(), m_page);
    EXPECT_EQ(takeMessages(), QStringList({reader::KoujiMaster::TemplateCopyFailed.toString()}));
}

// A missing, broken or incomplete G_PHOTO.mdb: the database's own text with
// the exclamation icon and an empty list; Next still leads on.
TEST_F(CDialog3Test, ReportsAPhotoDatabaseItCannotRead)
{
    const QList<std::function<void()>> breakages = {
        [this] { writeFile(QStringLiteral("temp/G_PHOTO.mdb"), QByteArray(4096, 'x')); },
        [this] {
            createDatabase(QStringLiteral("temp/G_PHOTO.mdb"),
                           {QStringLiteral("CREATE TABLE 写真情報 (シリアル番号 INTEGER, 写真ファイル名 TEXT)"),
                            QStringLiteral("INSERT INTO 写真情報 VALUES (1, 'P1.JPG')")});
        },
    };
    const auto expectReported = [this](const QString &text) {
        ASSERT_EQ(m_answerer.messageBoxes().size(), 1);
        const ui::MessageBoxRequest box = m_answerer.messageBoxes().constFirst();
        EXPECT_FALSE(box.text.isEmpty());
        if (!text.isEmpty()) {
            EXPECT_EQ(box.text, text);
        }
        EXPECT_EQ(box.icon, ui::Icon::Warning);
        EXPECT_EQ(list()->itemCount(), 0);
        EXPECT_TRUE(m_settings.m_bPhotoListLoaded);
    };

    const QString missing = openFailureText();
    start();
    expectReported(missing);
    EXPECT_EQ(list()->columnCount(), 0);
    m_answerer.clearRecords();
    for (const auto &breakage : breakages) {
        m_sheet.pressButton(WizardSheet::NextButton);
        EXPECT_EQ(m_sheet.currentPage()->templateId(), reader::ids::albummethod::Template);
        EXPECT_EQ(takeMessages().size(), 1);  // the classification master's failure
        QFile::remove(tempHostPath(QStringLiteral("G_PHOTO.mdb")));
        breakage();
        const QString expected = openFailureText();
        m_settings.m_bPhotoListLoaded = false;
        m_sheet.pressButton(WizardSheet::BackButton);
        expectReported(expected);
        m_answerer.clearRecords();
    }
    EXPECT_EQ(m_page->FillPhotoList(), 0);
}

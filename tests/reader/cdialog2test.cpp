#include "cdialog2.h"
#include "readerids.h"

#include "readerwizardtest.h"

#include "ui/reportlist.h"

#include <QFile>

using namespace reader;

namespace {

class CDialog2Test : public ReaderWizardTest
{
protected:
    // The page between stand-ins for its neighbours 137 and 136.
    void startPage()
    {
        auto *wizard = new ui::WizardSheet;
        wizard->addPage(new StandInPage(ids::rootfolder::Template));
        wizard->addPage(new CDialog2(settings()));
        wizard->addPage(new StandInPage(ids::photoinfo::Template));
        startWizard(wizard);
        next();
        ASSERT_EQ(currentPage(), ids::basicinfo::Template);
    }

    void writeGXTemp(const QStringList &lines)
    {
        writeFile(QStringLiteral("temp/GXTemp"),
                  utf16le(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }

    ui::ReportList *list() { return qobject_cast<ui::ReportList *>(control(ids::basicinfo::InfoList)); }

    QList<QStringList> rows()
    {
        QList<QStringList> cells;
        for (int row = 0; row < list()->itemCount(); ++row)
            cells.append({list()->itemText(row, 0), list()->itemText(row, 1)});
        return cells;
    }

    void expectColumn(int column, const QString &heading, int margin)
    {
        SCOPED_TRACE(column);
        EXPECT_EQ(list()->columnHeading(column), heading);
        EXPECT_EQ(list()->columnWidth(column), list()->textWidth(heading) + margin);
    }
};

const QString Long = QStringLiteral("0123456789").repeated(3);

} // namespace

TEST_F(CDialog2Test, LaysTheLinesOutInTwoColumns)
{
    writeGXTemp({QStringLiteral("写真管理基準 国土交通省"), QStringLiteral("写真管理情報"),
                 QStringLiteral("    写真フォルダ名   PHOTO/PIC"),
                 QStringLiteral("準拠する要領 0123456789AB"), QStringLiteral("備考 ") + Long});
    startPage();
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Back | ui::WizardSheet::Next);
    EXPECT_EQ(settings().m_strStandardName, QStringLiteral("国土交通省"));

    // The width limit comes from the values up to the 準拠する要領 line,
    // that line included; the longer remark after it goes on in rows
    // without a label.
    EXPECT_EQ(rows(), QList<QStringList>({
                          {QStringLiteral("写真管理基準"), QStringLiteral("国土交通省")},
                          {QStringLiteral("写真管理情報"), QString()},
                          {QStringLiteral("    写真フォルダ名"), QStringLiteral("PHOTO/PIC")},
                          {QStringLiteral("準拠する要領"), QStringLiteral("0123456789AB")},
                          {QStringLiteral("備考"), QStringLiteral("012345678901")},
                          {QString(), QStringLiteral("234567890123")},
                          {QString(), QStringLiteral("456789")},
                      }));
    expectColumn(0, QStringLiteral("    写真フォルダ名"), 15);
    expectColumn(1, QStringLiteral("0123456789AB"), 60);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CDialog2Test, ColumnsKeepTheirFirstWidthsUntilBack)
{
    writeGXTemp({QStringLiteral("基準 短い")});
    startPage();
    writeGXTemp({QStringLiteral("写真管理基準 ずっと長い値の基準名")});

    // Forward and back again: the rows are new, the columns are not.
    next();
    back();
    ASSERT_EQ(currentPage(), ids::basicinfo::Template);
    EXPECT_EQ(rows(), QList<QStringList>({{QStringLiteral("写真管理基準"),
                                           QStringLiteral("ずっと長い値の基準名")}}));
    expectColumn(0, QStringLiteral("基準"), 15);
    expectColumn(1, QStringLiteral("短い"), 60);

    // Back to the root folder page: the next showing measures afresh.
    back();
    next();
    expectColumn(0, QStringLiteral("写真管理基準"), 15);
    expectColumn(1, QStringLiteral("ずっと長い値の基準名"), 60);
    EXPECT_EQ(list()->columnCount(), 2);
}

TEST_F(CDialog2Test, MissingFileLeavesTheListAsItWas)
{
    writeGXTemp({QStringLiteral("写真管理基準 国土交通省")});
    startPage();
    next();
    ASSERT_TRUE(QFile::remove(tempHostPath(QStringLiteral("GXTemp"))));
    back();
    EXPECT_EQ(currentPage(), ids::basicinfo::Template);
    EXPECT_EQ(takeMessages(),
              QStringList({QStringLiteral("ファイル(D:\\temp\\GXTemp)のオープンに失敗しました。")}));
    EXPECT_EQ(rows(), QList<QStringList>({{QStringLiteral("写真管理基準"), QStringLiteral("国土交通省")}}));
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Back | ui::WizardSheet::Next);
    next();
    EXPECT_EQ(currentPage(), ids::photoinfo::Template);
}

TEST_F(CDialog2Test, ValuesAfterAWidthSectionWithoutValuesStayWhole)
{
    // Nothing measured: a limit of no characters must not cut the remark
    // into pieces of nothing, without end.
    writeGXTemp({QStringLiteral("写真管理基準"), QStringLiteral("準拠する要領"),
                 QStringLiteral("備考 ") + Long});
    startPage();
    EXPECT_EQ(rows(), QList<QStringList>({{QStringLiteral("写真管理基準"), QString()},
                                          {QStringLiteral("準拠する要領"), QString()},
                                          {QStringLiteral("備考"), Long}}));
}

TEST_F(CDialog2Test, ReadErrorIsReported)
{
    // Reading a process's memory at address 0 fails with an I/O error.
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), tempHostPath(QStringLiteral("GXTemp"))));
    startPage();
    EXPECT_EQ(takeMessages(), QStringList({QStringLiteral("工事情報の読み込みエラーが発生しました。")}));
    EXPECT_EQ(list()->itemCount(), 0);
}

#include "cdialog4.h"
#include "writerids.h"

#include "photodatabasefixture.h"
#include "writerwizardtest.h"

#include "ui/controls.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

using namespace writer;
namespace destination = writer::ids::destination;

namespace {

const QString ChooseFolder = QStringLiteral("出力先フォルダを選択してください");
const QString NotWritable = QStringLiteral("選択されたフォルダへの書き込みは出来ません。");
const QString FolderHoldsData = QStringLiteral(
    "指定されたフォルダに既存データがあります。データのないフォルダを選択してください。");
const QString SplitRange = QStringLiteral("1から65535までの整数を入力してください。");

QString tooShort(const QString &path)
{
    return QStringLiteral("入力したパス(%1)が正しくありません。\n\n再入力してください。").arg(path);
}

QString malformed(const QString &path)
{
    return QStringLiteral("入力したパス(%1)が正しくありません。\nパス名に使用できない文字、もしくは環境依存文字(JIS X 0208以外の文字)が使用されている可能性があります。再入力してください。")
        .arg(path);
}

QString createQuestion(const QString &path)
{
    return QStringLiteral("パス(%1)を\n\n新規に作成しますか？").arg(path);
}

bool g_writable = true;

int fakeIsThisDriveWritable(char16_t *)
{
    return g_writable ? 1 : 0;
}

int fakeKoujiInfGet2(const char16_t *, char16_t *buffer)
{
    const QString label = QStringLiteral("工事");
    std::copy_n(label.utf16(), label.size() + 1, buffer);
    return 1;
}

class CDialog4Test : public WriterWizardTest
{
protected:
    // The page between stand-ins for the photo page and the summary, with
    // an empty photo database unless the test writes one.
    void startPage(int code)
    {
        g_writable = true;
        settings() = ExportSettings();
        settings().m_nStandardCode = code;
        suite().suiteCommon.isThisDriveWritable = fakeIsThisDriveWritable;
        suite().worksdata.dnKoujiInfGet2 = fakeKoujiInfGet2;
        ASSERT_TRUE(writePhotoDatabase(tempHostPath(QStringLiteral("G_PHOTO.mdb")), {}));
        auto *wizard = new ui::WizardSheet;
        wizard->addPage(new StandInPage(ids::photoinfo::Template));
        wizard->addPage(new CDialog4(settings(), suite()));
        wizard->addPage(new StandInPage(ids::summary::Template));
        WizardTest::startWizard(wizard);
        next();
        ASSERT_EQ(currentPage(), destination::Template);
    }

    // Next with the folder typed: the boxes it raised.
    QStringList nextWith(const QString &folder)
    {
        enterText(destination::Folder, folder);
        next();
        return takeMessages();
    }
    QString text(int id) { return ui::controlText(control(id)); }
};

} // namespace

TEST_F(CDialog4Test, ChecksTheFolderInOrderAndStaysOnEachFailure)
{
    startPage(25);
    writeFile(QStringLiteral("file.txt"), "x");
    makeFolder(QStringLiteral("full"));
    writeFile(QStringLiteral("full/a.jpg"), "x");
    struct Case
    {
        QString folder;
        QStringList messages;
        int focus;
    };
    const Case cases[] = {
        {QStringLiteral("D:"), {tooShort(QStringLiteral("D:"))}, destination::Folder},
        {QStringLiteral("D:\\out\\"), {malformed(QStringLiteral("D:\\out\\"))}, destination::Folder},
        {QStringLiteral("D:\\a\\\\b"), {malformed(QStringLiteral("D:\\a\\\\b"))}, destination::Folder},
        {QStringLiteral("D:\\a*b"), {malformed(QStringLiteral("D:\\a*b"))}, destination::Folder},
        {QStringLiteral("D:\\file.txt"), {malformed(QStringLiteral("D:\\file.txt"))}, destination::Folder},
        // The drive root is a folder (no offer to create it), holding data.
        {QStringLiteral("D:\\"), {FolderHoldsData}, destination::Browse},
        {QStringLiteral("D:\\full"), {FolderHoldsData}, destination::Browse},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(nextWith(c.folder), c.messages) << c.folder.toStdString();
        EXPECT_EQ(currentPage(), destination::Template) << c.folder.toStdString();
        EXPECT_EQ(ui::controlId(QApplication::focusWidget()), c.focus) << c.folder.toStdString();
    }
    EXPECT_EQ(nextWith(QString()), QStringList{ChooseFolder});
    g_writable = false;
    EXPECT_EQ(nextWith(winPath(QStringLiteral("new"))), QStringList{NotWritable});
    EXPECT_EQ(currentPage(), destination::Template);
}

TEST_F(CDialog4Test, OffersToCreateAMissingFolderOneLevelDeep)
{
    startPage(25);
    // No: nothing made, the page stays.
    const QString emoji = winPath(QStringLiteral("写真😀"));
    m_answerer.queueAnswer(ui::IDNO);
    EXPECT_EQ(nextWith(emoji), QStringList{createQuestion(emoji)});
    EXPECT_EQ(currentPage(), destination::Template);
    EXPECT_FALSE(QFileInfo::exists(hostPath(QStringLiteral("写真😀"))));
    // Yes: the emoji passes the syntax check and the folder is made.
    m_answerer.queueAnswer(ui::IDYES);
    EXPECT_EQ(nextWith(emoji), QStringList{createQuestion(emoji)});
    EXPECT_TRUE(QFileInfo(hostPath(QStringLiteral("写真😀"))).isDir());
    EXPECT_EQ(currentPage(), ids::summary::Template);
    EXPECT_EQ(settings().m_strOutputFolder, emoji);

    // A parent that is missing: the one call fails unreported, the checks
    // go on.
    back();
    const QString deep = winPath(QStringLiteral("missing\\new"));
    m_answerer.queueAnswer(ui::IDYES);
    EXPECT_EQ(nextWith(deep), QStringList{createQuestion(deep)});
    EXPECT_EQ(currentPage(), ids::summary::Template);
    EXPECT_FALSE(QFileInfo::exists(hostPath(QStringLiteral("missing"))));
}

TEST_F(CDialog4Test, RefusesAPhotoPathAboveTwoHundredSixty)
{
    startPage(25);
    const QString folder = winPath(QStringLiteral("out"));  // D:\out: 6
    makeFolder(QStringLiteral("out"));
    // 6 + 2 + 1 + n + 3 with one level.
    const std::vector<PhotoRow> rows{
        {QStringLiteral("A"), {}, {}, QStringLiteral("P1.JPG"), QString(249, u'写'),
         QStringLiteral("D:\\s\\a\\")}};
    ASSERT_TRUE(writePhotoDatabase(tempHostPath(QStringLiteral("G_PHOTO.mdb")), rows));
    EXPECT_EQ(nextWith(folder),
              QStringList{QStringLiteral("出力するフォルダ名を含めたファイル名が最大値260文字を超えているため出力処理を続行できません。現在[261]文字")});
    EXPECT_EQ(currentPage(), destination::Template);
    // Serial names are short enough.
    settings().m_nKeepFileName = 0;
    settings().m_nRenameSerial = 1;
    EXPECT_EQ(nextWith(folder), QStringList());
    EXPECT_EQ(currentPage(), ids::summary::Template);
}

TEST_F(CDialog4Test, KeepsTheSplitSizeWithinItsRange)
{
    startPage(25);
    EXPECT_EQ(text(destination::SplitSize), QStringLiteral("600"));
    struct Case
    {
        QString typed;
        QStringList messages;
        QString shown;
        int kept;
    };
    const Case cases[] = {
        {QStringLiteral("65535"), {}, QStringLiteral("65535"), 65535},
        {QStringLiteral("1"), {}, QStringLiteral("1"), 1},
        {QStringLiteral("65536"),
         {QStringLiteral("1 から 65535 までの整数を入力してください。")},
         QStringLiteral("600"),
         600},
        {QStringLiteral("1200"), {}, QStringLiteral("1200"), 1200},
        // An emptied box brings the previous value back.
        {QString(), {QStringLiteral("正の整数を入力してください。")}, QStringLiteral("1200"), 1200},
    };
    for (const Case &c : cases) {
        enterText(destination::SplitSize, c.typed);
        EXPECT_EQ(takeMessages(), c.messages) << c.typed.toStdString();
        EXPECT_EQ(text(destination::SplitSize), c.shown) << c.typed.toStdString();
        EXPECT_EQ(settings().m_nSplitSize, c.kept) << c.typed.toStdString();
    }
    // A value out of range by other means is refused on Next.
    makeFolder(QStringLiteral("out"));
    settings().m_nSplitSize = 0;
    EXPECT_EQ(nextWith(winPath(QStringLiteral("out"))), QStringList{SplitRange});
    EXPECT_EQ(text(destination::SplitSize), QStringLiteral("600"));
    EXPECT_EQ(ui::controlId(QApplication::focusWidget()), destination::SplitSize);
    EXPECT_EQ(currentPage(), destination::Template);
}

TEST_F(CDialog4Test, HidesOrEmptiesTheSplitSizeWhereItDoesNotApply)
{
    for (const int code : {4, 28}) {
        startPage(code);
        EXPECT_TRUE(control(destination::SplitSize)->isHidden()) << code;
        EXPECT_TRUE(control(destination::SplitSizeUnit)->isHidden()) << code;
        EXPECT_EQ(settings().m_nSplitSize, 600);
        makeFolder(QStringLiteral("out%1").arg(code));
        EXPECT_EQ(nextWith(winPath(QStringLiteral("out%1").arg(code))), QStringList()) << code;
        EXPECT_EQ(currentPage(), ids::summary::Template) << code;
    }
    startPage(25);
    settings().m_nCooperate = 1;
    back();
    next();
    EXPECT_FALSE(control(destination::SplitSize)->isEnabled());
    EXPECT_EQ(text(destination::SplitSize), QString());
    EXPECT_EQ(settings().m_nSplitSize, 600);
}

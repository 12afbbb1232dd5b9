#include "cwizsheet.h"
#include "writerids.h"

#include "ui/controls.h"

#include "writerwizardtest.h"

#include <QLineEdit>

using namespace writer;

namespace {

class OptionsPagesTest : public WriterWizardTest
{
protected:
    // The wizard for the code on its options page.
    void startOnOptionsPage(int code)
    {
        startWizard(code);
        nextFromAlbums();
    }
    QString text(int controlId) const { return ui::controlText(control(controlId)); }
    int checked(int controlId) const { return ui::checkState(control(controlId)); }
    bool enabled(int controlId) const { return control(controlId)->isEnabled(); }
};

} // namespace

TEST_F(OptionsPagesTest, FileNamingOffersNextWithTheStartValuesAndTakesTheChoice)
{
    startWizard(28);
    nextFromAlbums();
    ASSERT_EQ(currentPage(), ids::filenaming::Template);
    EXPECT_EQ(checked(ids::filenaming::KeepFileName), 1);
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Back | ui::WizardSheet::Next);
    click(ids::filenaming::RenameSerial);
    EXPECT_EQ(settings().m_nRenameSerial, 1);
    EXPECT_EQ(settings().m_nKeepFileName, 0);
    next();
    EXPECT_EQ(currentPage(), ids::destination::Template);
}

TEST_F(OptionsPagesTest, TheStartMediaBoxRefusesNumbersOutsideOneToNineWhileTyping)
{
    for (const int code : {13, 26}) {
        SCOPED_TRACE(code);
        startOnOptionsPage(code);
        const int box = code == 13 ? ids::options::StartMedia : ids::extendedoptions::StartMedia;
        EXPECT_EQ(text(box), QStringLiteral("1"));
        enterText(box, QStringLiteral("7"));
        EXPECT_EQ(settings().m_nStartMedia, 7);
        EXPECT_TRUE(takeMessages().isEmpty());
        for (const QString &refused : {QStringLiteral("0"), QStringLiteral("10")}) {
            enterText(box, refused);
            EXPECT_EQ(takeMessages(),
                      QStringList({QStringLiteral("1 から 9 までの整数を入力してください。")}));
            EXPECT_EQ(text(box), QStringLiteral("1"));
            EXPECT_EQ(settings().m_nStartMedia, 1);
        }
        enterText(box, QStringLiteral("x"));
        EXPECT_EQ(takeMessages(), QStringList({QStringLiteral("正の整数を入力してください。")}));
        EXPECT_EQ(text(box), QStringLiteral("1"));
    }
}

TEST_F(OptionsPagesTest, NextChecksBothIdentifiersAndStaysWithTheirMessage)
{
    struct Case
    {
        int code;
        QString kouji;
        QString syashi;
        QStringList messages;  // none and the page left when empty
        bool stays;
    };
    const QString full510(510, u'a');
    const QList<Case> cases{
        {13, full510, full510, {}, false},
        {13, full510 + u'a', QString(), {QStringLiteral("工事情報への入力が 1文字多すぎます。")}, true},
        {13, QString(), QString(300, u'あ'), {QStringLiteral("工事写真情報への入力が 45文字多すぎます。")}, true},
        {13, QStringLiteral("<工事名称>"), QString(), {}, true},
        {13, QString(), QStringLiteral("（あ）"), {}, false},
        {8, QString(), QStringLiteral("（あ）（"),
         {QStringLiteral("工事写真情報に禁則文字'（）'が使用されています。")}, true},
        {13, QStringLiteral("Ω\u2460\u2460"), QString(),
         {QStringLiteral("工事情報に禁則文字'\u2460'が使用されています。")}, true},
        {26, QStringLiteral("\u2460"), QString(),
         {QStringLiteral("工事情報に禁則文字'\u2460'が使用されています。")}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE((c.kouji.left(12) + u'|' + c.syashi.left(12)).toStdString());
        startOnOptionsPage(c.code);
        const int page = currentPage();
        const int box = page == ids::options::Template ? ids::options::StartMedia
                                                       : ids::extendedoptions::StartMedia;
        enterText(box, QStringLiteral("4"));
        settings().m_pszKoujiJH = c.kouji;
        settings().m_pszSyashiJH = c.syashi;
        settings().m_nStartMedia = 0;
        next();
        EXPECT_EQ(takeMessages(), c.messages);
        EXPECT_EQ(currentPage(), c.stays ? page : ids::basicinfo::Template);
        // Taken over even when the page stays.
        EXPECT_EQ(settings().m_nStartMedia, 4);
    }
}

TEST_F(OptionsPagesTest, AMissingTransformationFileIsNamedAndThePageStays)
{
    startOnOptionsPage(13);
    settings().m_strProgramFolder = winPath(QStringLiteral("empty"));
    settings().m_pszKoujiJH = QStringLiteral("工事");
    next();
    EXPECT_EQ(takeMessages(),
              QStringList({QStringLiteral("ファイル(D:\\empty\\NeedTransformation.dat)のオープンに失敗しました。")}));
    EXPECT_EQ(currentPage(), ids::options::Template);
    // Empty identifiers need no table.
    settings().m_pszKoujiJH.clear();
    settings().m_pszSyashiJH.clear();
    next();
    EXPECT_EQ(currentPage(), ids::basicinfo::Template);
}

TEST_F(OptionsPagesTest, TheFormalDeliveryNoteIsHiddenForNexco)
{
    for (const auto &[code, shown] : {std::pair{13, true}, std::pair{8, false}}) {
        startOnOptionsPage(code);
        EXPECT_EQ(control(ids::options::FormalDeliveryNote)->isVisible(), shown) << code;
    }
}

TEST_F(OptionsPagesTest, TheCheckBoxesFlipTheirOptionAndJapaneseNamesReloadThePhotoList)
{
    struct Box
    {
        int code;
        int id;
        int ExportSettings::*option;
    };
    const QList<Box> boxes{
        {13, ids::options::JapaneseNames, &ExportSettings::m_nJapaneseNames},
        {13, ids::options::XmlOnly, &ExportSettings::m_nXmlOnly},
        {26, ids::extendedoptions::JapaneseNames, &ExportSettings::m_nJapaneseNames},
        {26, ids::extendedoptions::XmlOnly, &ExportSettings::m_nXmlOnly},
        {26, ids::extendedoptions::LaunchBrowser, &ExportSettings::m_nLaunchBrowser},
        {26, ids::extendedoptions::StyleSheet, &ExportSettings::m_nStyleSheet},
    };
    for (const Box &box : boxes) {
        SCOPED_TRACE(box.id);
        startOnOptionsPage(box.code);
        const int before = settings().*box.option;
        settings().m_bPhotoListLoaded = true;
        click(box.id);
        EXPECT_EQ(settings().*box.option, 1 - before);
        EXPECT_EQ(checked(box.id), 1 - before);
        EXPECT_EQ(settings().m_bPhotoListLoaded, box.option != &ExportSettings::m_nJapaneseNames);
        click(box.id);
        EXPECT_EQ(settings().*box.option, before);
        EXPECT_EQ(checked(box.id), before);
    }
}

TEST_F(OptionsPagesTest, TheStyleSheetOptionsShowOnArrivalAndItsSubControlsFollowIt)
{
    using namespace ids::extendedoptions;
    startOnOptionsPage(26);
    EXPECT_EQ(checked(StyleSheet), 1);
    EXPECT_EQ(checked(LaunchBrowser), 1);
    EXPECT_EQ(checked(FormatPhotoInfo), 1);
    EXPECT_EQ(checked(OtherData), 0);
    EXPECT_FALSE(enabled(OtherData));
    const int subControls[] = {FormatPhotoInfo, FormatListAndPhotoInfo, FormatWithSearch,
                               LaunchBrowser, StyleSheetFormatGroup, SearchNote, JavaScriptNote};
    click(StyleSheet);
    for (const int id : subControls)
        EXPECT_FALSE(enabled(id)) << id;
    click(StyleSheet);
    for (const int id : subControls)
        EXPECT_TRUE(enabled(id)) << id;

    // The format is recorded on Back as on Next.
    click(FormatWithSearch);
    back();
    EXPECT_EQ(settings().m_nStyleSheetFormat, 3);
    nextFromAlbums();
    click(FormatListAndPhotoInfo);
    next();
    EXPECT_EQ(settings().m_nStyleSheetFormat, 2);
}

TEST_F(OptionsPagesTest, JapaneseNamesAreOffForTheNexcoStandardOf2012)
{
    for (const auto &[code, offered] : {std::pair{90, false}, std::pair{26, true}}) {
        startOnOptionsPage(code);
        EXPECT_EQ(enabled(ids::extendedoptions::JapaneseNames), offered) << code;
        EXPECT_EQ(enabled(ids::extendedoptions::JapaneseNamesNote), offered) << code;
    }
}

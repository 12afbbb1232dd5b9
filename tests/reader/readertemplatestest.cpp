#include "readerids.h"

#include "ui_page130_basicinfo.h"
#include "ui_page133_importmode.h"
#include "ui_page134_albummethod.h"
#include "ui_page136_photoinfo.h"
#include "ui_page137_rootfolder.h"
#include "ui_page138_hierarchy.h"
#include "ui_page141_summary.h"
#include "ui_page142_standardversion.h"

#include "ui/controls.h"

#include <QLabel>
#include <QRadioButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using namespace reader::ids;

namespace {

struct ControlSpec
{
    int id;
    const char *className;
    const char *text;  // nullptr: a control without a caption
};

struct TemplateSpec
{
    int templateId;
    std::function<void(QWidget *)> setupUi;
    std::vector<ControlSpec> controls;
    std::vector<const char *> statics;  // labels without a control id
};

template <typename Form>
std::function<void(QWidget *)> setupOf()
{
    return [](QWidget *widget) {
        Form form;
        form.setupUi(widget);
    };
}

const std::vector<TemplateSpec> &templates()
{
    static const std::vector<TemplateSpec> specs = {
        {rootfolder::Template,
         setupOf<Ui::Page137RootFolder>(),
         {{rootfolder::Browse, "QPushButton", "参照"}, {rootfolder::Folder, "QLineEdit", ""}},
         {"電子納品データのルートフォルダを指定してください。\n"
          "（官庁営繕工事の場合は、工事名称のフォルダを指定してください。）\n"
          "\n"
          "※読込んだ媒体順に画像が取込まれます。"}},
        {standardversion::Template,
         setupOf<Ui::Page142StandardVersion>(),
         {{standardversion::Std2012, "QRadioButton", "国土交通省　営繕工事写真撮影要領（平成24年版）"},
          {standardversion::Std2002, "QRadioButton",
           "国土交通省　営繕工事電子納品要領（案）（平成14年11月改訂版）"}},
         {"営繕工事の電子納品データとして入力処理を行います。\n"
          "入力処理に使用する電子納品要領を指定してください。"}},
        {hierarchy::Template,
         setupOf<Ui::Page138Hierarchy>(),
         {{hierarchy::Tree, "QTreeWidget", nullptr}},
         {"アルバムを作成する階層を指定して下さい"}},
        {basicinfo::Template,
         setupOf<Ui::Page130BasicInfo>(),
         {{basicinfo::InfoList, "ui::ReportList", nullptr}},
         {"基礎情報と工事情報の内容を確認してください。", "基礎情報／工事情報"}},
        {photoinfo::Template,
         setupOf<Ui::Page136PhotoInfo>(),
         {{photoinfo::PhotoList, "ui::ReportList", nullptr},
          {photoinfo::FileNameLabel, "QLabel", "アルバムに取り込むファイル名を選択してください"},
          {photoinfo::FileNameByPhoto, "QRadioButton", "写真ファイル名で取り込む"},
          {photoinfo::FileNameByJapanese, "QRadioButton", "写真ファイル日本語名で取り込む"}},
         {"入力する写真情報の内容を確認してください。"}},
        {albummethod::Template,
         setupOf<Ui::Page134AlbumMethod>(),
         {{albummethod::ByCount, "QRadioButton", "写真を指定枚数ずつ分けてアルバムに取り込む"},
          {albummethod::CountLabel, "QLabel", "指定枚数"},
          {albummethod::Count, "QLineEdit", ""},
          {albummethod::ByClass, "QRadioButton", "写真を写真情報で分類して、アルバムに保存する"},
          {albummethod::Level1, "QRadioButton", "写真-大分類、写真区分別"},
          {albummethod::Level2, "QRadioButton", "写真-大分類、写真区分、工種別"},
          {albummethod::Level3, "QRadioButton", "写真-大分類、写真区分、工種、種別別"},
          {albummethod::Level4, "QRadioButton", "写真-大分類、写真区分、工種、種別、細別別"},
          {albummethod::Level5, "QRadioButton", "工種別"}},
         {"取り込んだ工事写真を保存するアルバムの作成方法を指定してください。"}},
        {importmode::Template,
         setupOf<Ui::Page133ImportMode>(),
         {{importmode::ImportNew, "QRadioButton", "新規に本棚を作成し、Tesseraに取り込む"},
          {importmode::ReferOnly, "QRadioButton", "Tesseraには取り込まず、参照のみ行う"},
          {importmode::Browse, "QPushButton", "参照"},
          {importmode::ShelfPath, "QLineEdit", ""}},
         {"電子納品データをTesseraに取り込むか、参照のみとするか選択してください。",
          "本棚作成フォルダパス"}},
        {summary::Template,
         setupOf<Ui::Page141Summary>(),
         {{summary::SummaryList, "ui::ReportList", nullptr}},
         {"下記の指定で 新しい本棚を作成して、電子納品データを入力します。",
          "お客様の動作環境および電子納品データの入力量により、処理に数分～数十分かかる場合があります。",
          "完了メッセージが表示されるまでお待ちください。"}},
    };
    return specs;
}

class ReaderTemplateTest : public ::testing::TestWithParam<std::size_t>
{
protected:
    void SetUp() override
    {
        m_page = std::make_unique<QWidget>();
        spec().setupUi(m_page.get());
    }

    const TemplateSpec &spec() const { return templates().at(GetParam()); }

    QRadioButton *radio(int id) const { return ui::control<QRadioButton>(m_page.get(), id); }

    std::unique_ptr<QWidget> m_page;
};

} // namespace

TEST_P(ReaderTemplateTest, HasTheWizardCaptionAndPageSize)
{
    EXPECT_EQ(m_page->windowTitle(), QStringLiteral("電子納品データ入力ウィザード"));
    EXPECT_EQ(m_page->size(), QSize(675, 545));
}

TEST_P(ReaderTemplateTest, HasEveryControlWithItsIdAndText)
{
    QList<int> expectedIds;
    for (const ControlSpec &control : spec().controls) {
        expectedIds << control.id;
        const QWidget *widget = ui::findControl(m_page.get(), control.id);
        ASSERT_NE(widget, nullptr) << "control " << control.id;
        EXPECT_TRUE(widget->inherits(control.className))
            << "control " << control.id << " is a " << widget->metaObject()->className();
        if (control.text) {
            EXPECT_EQ(ui::controlText(widget), QString::fromUtf8(control.text)) << "control " << control.id;
        }
    }

    // No other control carries an id, and none twice.
    QList<int> ids;
    for (const QWidget *widget : m_page->findChildren<QWidget *>()) {
        if (const int id = ui::controlId(widget))
            ids << id;
    }
    std::sort(ids.begin(), ids.end());
    std::sort(expectedIds.begin(), expectedIds.end());
    EXPECT_EQ(ids, expectedIds);
}

TEST_P(ReaderTemplateTest, HasEveryStaticText)
{
    QStringList labels;
    for (const QLabel *label : m_page->findChildren<QLabel *>()) {
        if (ui::controlId(label) == 0)
            labels << label->text();
    }
    QStringList expected;
    for (const char *text : spec().statics)
        expected << QString::fromUtf8(text);
    labels.sort();
    expected.sort();
    EXPECT_EQ(labels, expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, ReaderTemplateTest,
                         ::testing::Range(std::size_t(0), templates().size()),
                         [](const ::testing::TestParamInfo<std::size_t> &info) {
                             return "Page" + std::to_string(templates().at(info.param).templateId);
                         });

TEST(ReaderTemplates, RadioPairsAreExclusiveOnlyAmongThemselves)
{
    const auto checkPair = [](QWidget *page, int first, int second) {
        auto *a = ui::control<QRadioButton>(page, first);
        auto *b = ui::control<QRadioButton>(page, second);
        ASSERT_TRUE(a && b);
        a->setChecked(true);
        b->setChecked(true);
        EXPECT_FALSE(a->isChecked()) << first << " and " << second;
    };

    QWidget versionPage;
    Ui::Page142StandardVersion().setupUi(&versionPage);
    checkPair(&versionPage, standardversion::Std2012, standardversion::Std2002);

    QWidget photoPage;
    Ui::Page136PhotoInfo().setupUi(&photoPage);
    checkPair(&photoPage, photoinfo::FileNameByPhoto, photoinfo::FileNameByJapanese);

    QWidget importPage;
    Ui::Page133ImportMode().setupUi(&importPage);
    checkPair(&importPage, importmode::ImportNew, importmode::ReferOnly);

    // The method pair and the five levels are separate groups.
    QWidget methodPage;
    Ui::Page134AlbumMethod().setupUi(&methodPage);
    auto *level3 = ui::control<QRadioButton>(&methodPage, albummethod::Level3);
    ASSERT_TRUE(level3);
    level3->setChecked(true);
    checkPair(&methodPage, albummethod::ByCount, albummethod::ByClass);
    EXPECT_TRUE(level3->isChecked());
    auto *byClass = ui::control<QRadioButton>(&methodPage, albummethod::ByClass);
    for (int id = albummethod::Level1; id <= albummethod::Level5; ++id) {
        if (id != albummethod::Level3) {
            checkPair(&methodPage, albummethod::Level3, id);
        }
        EXPECT_TRUE(byClass->isChecked()) << id;
    }
}

TEST(ReaderTemplates, HierarchyTreeHasNoHeader)
{
    QWidget page;
    Ui::Page138Hierarchy().setupUi(&page);
    auto *tree = ui::control<QTreeWidget>(&page, hierarchy::Tree);
    ASSERT_TRUE(tree);
    EXPECT_TRUE(tree->isHeaderHidden());
    EXPECT_EQ(tree->columnCount(), 1);
}

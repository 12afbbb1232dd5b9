#include "cwizsheet.h"
#include "writerids.h"

#include "writerwizardtest.h"

#include <QPushButton>

using namespace writer;

namespace {

struct Sequence
{
    int code;
    QList<int> pages;
};

class CWizSheetSequences : public WriterWizardTest, public ::testing::WithParamInterface<Sequence>
{
};

} // namespace

TEST_P(CWizSheetSequences, NextWalksThePagesOfTheCodeAndBackReturnsTheSameWay)
{
    startWizard(GetParam().code);
    EXPECT_EQ(sheet().windowTitle(), QStringLiteral("電子納品データ出力"));
    const QList<int> forward = walkForward();
    EXPECT_EQ(forward, GetParam().pages);
    EXPECT_TRUE(sheet().button(ui::WizardSheet::FinishButton)->isVisible());

    QList<int> backward{currentPage()};
    while (currentPage() != ids::albums::Template) {
        back();
        backward.prepend(currentPage());
    }
    EXPECT_EQ(backward, GetParam().pages);
    // Back on the album page and Next again builds the database again.
    EXPECT_EQ(workstree().createPhotoMdb, 1);
    nextFromAlbums();
    EXPECT_EQ(workstree().createPhotoMdb, 2);
    EXPECT_EQ(currentPage(), GetParam().pages.at(1));
    EXPECT_EQ(workstree().createWorksTree, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CWizSheetSequences,
    ::testing::Values(Sequence{28, {108, 129, 136, 133}}, Sequence{4, {108, 129, 136, 133}},
                      Sequence{13, {108, 130, 134, 135, 136, 133}},
                      Sequence{72, {108, 131, 134, 135, 136, 133}},
                      Sequence{16, {108, 131, 134, 135, 136, 133}},
                      Sequence{99, {108, 130, 134, 135, 136, 133}}),
    [](const auto &info) { return QByteArray::number(info.param.code).prepend("Code").toStdString(); });

TEST_F(WriterWizardTest, TheOptionsPageDecidesTheStartValuesOfTheOptions)
{
    struct Options
    {
        int code;
        int extended, styleSheet, browser, format;
    };
    for (const Options &expected : {Options{28, 0, 1, 1, 1}, Options{90, 1, 1, 1, 1},
                                    Options{8, 0, 0, 0, 0}, Options{13, 0, 0, 0, 0}}) {
        SCOPED_TRACE(expected.code);
        startWizard(expected.code);
        EXPECT_EQ(settings().m_nExtendedOptions, expected.extended);
        EXPECT_EQ(settings().m_nStyleSheet, expected.styleSheet);
        EXPECT_EQ(settings().m_nLaunchBrowser, expected.browser);
        EXPECT_EQ(settings().m_nStyleSheetFormat, expected.format);
        EXPECT_EQ(settings().m_nJapaneseNames, 0);
        EXPECT_EQ(settings().m_nXmlOnly, 0);
    }
}

TEST_F(WriterWizardTest, BackFromTheBasicInformationLandsOnTheOptionsPageOfTheSequence)
{
    for (const int code : {13, 72}) {
        SCOPED_TRACE(code);
        startWizard(code);
        nextFromAlbums();
        const int optionsPage = currentPage();
        next();
        ASSERT_EQ(currentPage(), ids::basicinfo::Template);
        // With the stylesheet option off the page jumps back by number.
        settings().m_nStyleSheet = 0;
        back();
        EXPECT_EQ(currentPage(), optionsPage);
    }
}

#include "cdialog9.h"
#include "cwizsheet.h"
#include "readerids.h"

#include "readerwizardtest.h"

#include "ui/controls.h"

#include <QPushButton>

using namespace reader;
namespace rootfolder = reader::ids::rootfolder;
namespace standardversion = reader::ids::standardversion;

namespace {

class CWizSheetTest : public ReaderWizardTest
{
protected:
    QPushButton *button(ui::WizardSheet::Button which) { return sheet().button(which); }
    bool enabled(ui::WizardSheet::Button which)
    {
        return button(which)->isEnabled() && button(which)->isVisible();
    }
};

} // namespace

TEST_F(CWizSheetTest, TheFolderBoxDecidesWhetherNextIsOffered)
{
    startWizard();
    EXPECT_EQ(sheet().windowTitle(), QStringLiteral("電子納品データ入力ウィザード"));
    EXPECT_EQ(sheet().wizardButtons(), 0);
    EXPECT_FALSE(enabled(ui::WizardSheet::NextButton));
    EXPECT_FALSE(enabled(ui::WizardSheet::BackButton));

    // One character is enough; nothing is checked yet.
    enterText(rootfolder::Folder, QStringLiteral("x"));
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Next);
    EXPECT_TRUE(enabled(ui::WizardSheet::NextButton));
    EXPECT_FALSE(enabled(ui::WizardSheet::BackButton));
    EXPECT_TRUE(takeMessages().isEmpty());

    enterText(rootfolder::Folder, QString());
    EXPECT_EQ(sheet().wizardButtons(), 0);
}

TEST_F(CWizSheetTest, StandardRouteAndItsWayBack)
{
    generateDelivery(QStringLiteral("deliv"));
    startWizard();
    enterText(rootfolder::Folder, QStringLiteral("D:\\deliv"));

    // Forward: 142 and 138 are never shown; the buttons follow each page.
    QList<int> forward;
    QList<int> buttons;
    for (int step = 0; step < 5; ++step) {
        next();
        forward.append(currentPage());
        buttons.append(sheet().wizardButtons());
    }
    const int backNext = ui::WizardSheet::Back | ui::WizardSheet::Next;
    EXPECT_EQ(forward, QList<int>({130, 136, 134, 133, 141}));
    EXPECT_EQ(buttons, QList<int>({backNext, backNext, backNext, backNext,
                                   ui::WizardSheet::Back | ui::WizardSheet::Finish}));
    EXPECT_TRUE(enabled(ui::WizardSheet::FinishButton));
    EXPECT_FALSE(button(ui::WizardSheet::NextButton)->isVisible());

    QList<int> backward;
    for (int step = 0; step < 5; ++step) {
        back();
        backward.append(currentPage());
    }
    EXPECT_EQ(backward, QList<int>({133, 134, 136, 130, 137}));
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Next);

    // The delivery was read once: going forward again reads nothing.
    next();
    EXPECT_EQ(currentPage(), 130);
    EXPECT_EQ(dnXmlReadCalls(), 1);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CWizSheetTest, GovernmentBuildingRouteGoesThroughTheVersionPage)
{
    generateEizen(QStringLiteral("eizen"));
    startWizard();
    enterText(rootfolder::Folder, QStringLiteral("D:\\eizen"));
    next();
    ASSERT_EQ(currentPage(), 142);
    EXPECT_EQ(settings().m_nDeliveryKind, GovernmentBuildingDelivery);
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Back | ui::WizardSheet::Next);
    EXPECT_EQ(dnXmlReadCalls(), 0);

    back();
    EXPECT_EQ(currentPage(), 137);
    next();
    EXPECT_EQ(currentPage(), 142);
    next();
    EXPECT_EQ(currentPage(), 138);
    back();
    EXPECT_EQ(currentPage(), 142);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CWizSheetTest, BackFromTheImportModePageFollowsTheKindOfDelivery)
{
    CDialog9 page(settings());
    settings().m_nDeliveryKind = StandardDelivery;
    EXPECT_EQ(page.onWizardBack(), 134);
    settings().m_nDeliveryKind = GovernmentBuildingDelivery;
    EXPECT_EQ(page.onWizardBack(), 138);
}

TEST_F(CWizSheetTest, TheFirstPagesResetTheTreeAndKeepAnEditionChosen)
{
    settings().m_nStd2012 = 0;
    settings().m_nStd2002 = 0;
    settings().m_bTreeBuilt = true;
    generateEizen(QStringLiteral("eizen"));
    startWizard();
    EXPECT_EQ(settings().m_nStd2012, 1);
    EXPECT_EQ(settings().m_nStd2002, 0);
    EXPECT_FALSE(settings().m_bTreeBuilt);

    enterText(rootfolder::Folder, QStringLiteral("D:\\eizen"));
    next();
    ASSERT_EQ(currentPage(), 142);
    EXPECT_EQ(ui::checkState(control(standardversion::Std2012)), 1);
    EXPECT_EQ(ui::checkState(control(standardversion::Std2002)), 0);

    // The 2002 revision chosen stays chosen when the page shows again, and
    // every showing has the tree rebuilt.
    click(standardversion::Std2002);
    EXPECT_EQ(settings().m_nStd2002, 1);
    EXPECT_EQ(settings().m_nStd2012, 0);
    back();
    settings().m_bTreeBuilt = true;
    next();
    ASSERT_EQ(currentPage(), 142);
    EXPECT_FALSE(settings().m_bTreeBuilt);
    EXPECT_EQ(ui::checkState(control(standardversion::Std2002)), 1);
    EXPECT_EQ(ui::checkState(control(standardversion::Std2012)), 0);
}

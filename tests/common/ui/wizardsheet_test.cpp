#include "testwizard.h"
#include "uitestsupport.h"

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/dialogunits.h"
#include "ui/queuedanswerer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using ui::WizardSheet;

class WizardSheetTest : public ::testing::Test
{
protected:
    TestWizard wizard{{10, 20, 30, 40, 50}};

    void start()
    {
        ASSERT_TRUE(wizard.activateFirstPage());
        wizard.log.clear();
    }
    void next() { wizard.pressButton(WizardSheet::NextButton); }
    void back() { wizard.pressButton(WizardSheet::BackButton); }
    TestPage *page(int id) { return wizard.testPage(id); }
};

TEST_F(WizardSheetTest, NextAndBackGoToTheNeighboursInPageOrder)
{
    start();
    EXPECT_EQ(wizard.currentId(), 10);
    next();
    EXPECT_EQ(wizard.currentId(), 20);
    next();
    EXPECT_EQ(wizard.currentId(), 30);
    back();
    EXPECT_EQ(wizard.currentId(), 20);
    // The page's handler decides first, then the page may refuse to be left.
    EXPECT_EQ(wizard.log,
              QStringList({"10:next", "10:kill", "20:active", "20:next", "20:kill", "30:active",
                           "30:back", "30:kill", "20:active"}));
}

TEST_F(WizardSheetTest, HandlersJumpToAPageByItsTemplateId)
{
    start();
    page(10)->next = 40;
    page(40)->back = 10;
    next();
    EXPECT_EQ(wizard.currentId(), 40);
    back();
    EXPECT_EQ(wizard.currentId(), 10);
    EXPECT_FALSE(wizard.log.contains("20:active"));
    EXPECT_FALSE(wizard.log.contains("30:active"));
}

TEST_F(WizardSheetTest, StayUnknownTemplatesAndMissingNeighboursKeepThePage)
{
    start();
    page(10)->next = WizardSheet::Stay;
    next();
    EXPECT_EQ(wizard.currentId(), 10);
    page(10)->next = 999;
    next();
    EXPECT_EQ(wizard.currentId(), 10);
    page(10)->next = 0;
    back();  // no page before the first
    EXPECT_EQ(wizard.currentId(), 10);
    // The page was never asked to let go, and nothing else was activated.
    EXPECT_EQ(wizard.log, QStringList({"10:next", "10:next", "10:back"}));

    page(10)->next = 50;
    next();
    EXPECT_EQ(wizard.currentId(), 50);
    next();  // no page after the last
    EXPECT_EQ(wizard.currentId(), 50);
}

TEST_F(WizardSheetTest, KillActiveRefusalKeepsThePage)
{
    start();
    page(10)->leaves = false;
    next();
    EXPECT_EQ(wizard.currentId(), 10);
    EXPECT_EQ(wizard.log, QStringList({"10:next", "10:kill"}));
    page(10)->leaves = true;
    next();
    EXPECT_EQ(wizard.currentId(), 20);
}

TEST_F(WizardSheetTest, DeclinedPagesArePassedOverInTheDirectionOfTravel)
{
    start();
    page(20)->accepts = false;
    page(30)->accepts = false;
    next();
    EXPECT_EQ(wizard.currentId(), 40);
    back();
    EXPECT_EQ(wizard.currentId(), 10);
    EXPECT_EQ(wizard.log,
              QStringList({"10:next", "10:kill", "20:active", "30:active", "40:active", "40:back",
                           "40:kill", "30:active", "20:active", "10:active"}));

    // A jump to a declining page goes on from there in the same direction.
    page(10)->next = 30;
    next();
    EXPECT_EQ(wizard.currentId(), 40);
    page(20)->accepts = true;
    page(40)->back = 30;
    back();
    EXPECT_EQ(wizard.currentId(), 20);
}

TEST_F(WizardSheetTest, WhenNoPageAcceptsInTheDirectionOfTravelTheCurrentPageStays)
{
    start();
    page(10)->next = 30;
    next();
    page(40)->accepts = false;
    page(50)->accepts = false;
    wizard.log.clear();
    next();
    EXPECT_EQ(wizard.currentId(), 30);
    EXPECT_EQ(wizard.log, QStringList({"30:next", "30:kill", "40:active", "50:active"}));

    page(10)->accepts = false;
    page(20)->accepts = false;
    back();
    EXPECT_EQ(wizard.currentId(), 30);
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("テストページ 30"));
}

TEST_F(WizardSheetTest, AFirstPageThatDeclinesIsPassedOverAtTheStart)
{
    page(10)->accepts = false;
    ASSERT_TRUE(wizard.activateFirstPage());
    EXPECT_EQ(wizard.currentId(), 20);
}

TEST_F(WizardSheetTest, AHandlerNamingItsOwnPageActivatesItAgain)
{
    start();
    page(10)->next = 10;
    next();
    EXPECT_EQ(wizard.currentId(), 10);
    EXPECT_EQ(wizard.log, QStringList({"10:next", "10:kill", "10:active"}));
}

TEST_F(WizardSheetTest, ButtonBitsEnableTheButtonsAndFinishTakesThePlaceOfNext)
{
    QPushButton *backButton = wizard.button(WizardSheet::BackButton);
    QPushButton *nextButton = wizard.button(WizardSheet::NextButton);
    QPushButton *finishButton = wizard.button(WizardSheet::FinishButton);
    QPushButton *cancelButton = wizard.button(WizardSheet::CancelButton);
    EXPECT_EQ(backButton->text(), QStringLiteral("< 戻る(&B)"));
    EXPECT_EQ(nextButton->text(), QStringLiteral("次へ(&N) >"));
    EXPECT_EQ(finishButton->text(), QStringLiteral("完了"));
    EXPECT_EQ(cancelButton->text(), QStringLiteral("キャンセル"));

    wizard.setWizardButtons(0);
    EXPECT_FALSE(backButton->isEnabled());
    EXPECT_FALSE(nextButton->isEnabled());
    EXPECT_FALSE(nextButton->isHidden());
    EXPECT_TRUE(finishButton->isHidden());
    EXPECT_TRUE(cancelButton->isEnabled());

    wizard.setWizardButtons(WizardSheet::Next);
    EXPECT_FALSE(backButton->isEnabled());
    EXPECT_TRUE(nextButton->isEnabled());
    EXPECT_TRUE(nextButton->isDefault());

    wizard.setWizardButtons(WizardSheet::Back | WizardSheet::Finish);
    EXPECT_TRUE(backButton->isEnabled());
    EXPECT_TRUE(nextButton->isHidden());
    EXPECT_FALSE(finishButton->isHidden());
    EXPECT_TRUE(finishButton->isEnabled());
    EXPECT_TRUE(finishButton->isDefault());
    EXPECT_EQ(wizard.wizardButtons(), WizardSheet::Back | WizardSheet::Finish);
}

TEST_F(WizardSheetTest, DisabledButtonsCannotBePressed)
{
    page(10)->buttons = 0;
    start();
    next();
    back();
    EXPECT_EQ(wizard.currentId(), 10);
    EXPECT_TRUE(wizard.log.isEmpty());

    page(20)->buttons = WizardSheet::Back | WizardSheet::Finish;
    wizard.setWizardButtons(WizardSheet::Next);
    next();
    EXPECT_EQ(wizard.currentId(), 20);
    next();  // Next is hidden behind Finish
    EXPECT_EQ(wizard.currentId(), 20);
    EXPECT_FALSE(wizard.log.contains("20:next"));
}

TEST_F(WizardSheetTest, TheSheetFindsControlsOfTheCurrentPageBeforeItsOwnButtons)
{
    auto *edit = new QLineEdit(page(20));
    ui::setControlId(edit, 1001);
    auto *other = new QLineEdit(page(10));
    ui::setControlId(other, 1001);
    start();
    EXPECT_EQ(wizard.findControl(1001), other);
    next();
    EXPECT_EQ(wizard.findControl(1001), edit);
    EXPECT_EQ(wizard.findControl(12324), wizard.button(WizardSheet::NextButton));
    EXPECT_EQ(wizard.findControl(2), wizard.button(WizardSheet::CancelButton));
    EXPECT_EQ(wizard.findControl(4711), nullptr);
}

TEST_F(WizardSheetTest, ExecEndsWithTheFinishResultWhenTheLastPageAgrees)
{
    page(50)->buttons = WizardSheet::Back | WizardSheet::Finish;
    page(10)->next = 50;
    page(50)->finishes = false;
    QTimer::singleShot(0, &wizard, [this] {
        next();
        wizard.pressButton(WizardSheet::FinishButton);
        EXPECT_EQ(wizard.currentId(), 50);  // refused: still running
        EXPECT_TRUE(wizard.isVisible());
        page(50)->finishes = true;
        wizard.pressButton(WizardSheet::FinishButton);
    });
    EXPECT_EQ(wizard.exec(), 12325);
    EXPECT_FALSE(wizard.log.contains("50:kill"));
}

TEST_F(WizardSheetTest, ExecEndsWithTwoOnCancelOrEscape)
{
    QTimer::singleShot(0, &wizard, [this] { wizard.pressButton(WizardSheet::CancelButton); });
    EXPECT_EQ(wizard.exec(), 2);

    QTimer::singleShot(0, &wizard, [this] {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&wizard, &escape);
    });
    EXPECT_EQ(wizard.exec(), 2);
}

TEST_F(WizardSheetTest, EnterPressesNextAndThenFinish)
{
    page(20)->buttons = WizardSheet::Back | WizardSheet::Finish;
    QTimer::singleShot(0, &wizard, [this] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&wizard, &enter);
        EXPECT_EQ(wizard.currentId(), 20);
        QApplication::sendEvent(&wizard, &enter);
    });
    EXPECT_EQ(wizard.exec(), 12325);
}

TEST_F(WizardSheetTest, ExecWithoutAnyAcceptingPageCancelsAtOnce)
{
    for (const int id : {10, 20, 30, 40, 50})
        page(id)->accepts = false;
    EXPECT_EQ(wizard.exec(), 2);
    EXPECT_FALSE(wizard.isVisible());
}

// An edit box's focus-loss handler runs before the page's Next handler, as
// a mouse click on Next moves the focus on Windows.
class FocusPage : public TestPage
{
public:
    FocusPage(QStringList *log)
        : TestPage(60, log)
        , edit(new QLineEdit(this))
    {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(edit);
        ui::onFocusLost(edit, [this, log] {
            log->append("60:focus lost");
            if (complainOnFocusLoss)
                ui::messageBox(this, QStringLiteral("パス(x)が存在しません。"));
        });
    }

    QLineEdit *edit;
    bool complainOnFocusLoss = false;
};

TEST(WizardSheetFocus, PressingNextMovesTheFocusBeforeTheNextHandlerRuns)
{
    TestWizard wizard({});
    auto *page = new FocusPage(&wizard.log);
    wizard.addPage(page);
    wizard.addPage(new TestPage(70, &wizard.log));
    ASSERT_TRUE(wizard.activateFirstPage());
    showActive(&wizard);
    page->edit->setFocus();
    wizard.log.clear();

    wizard.pressButton(WizardSheet::NextButton);
    EXPECT_EQ(wizard.log, QStringList({"60:focus lost", "60:next", "60:kill", "70:active"}));
}

TEST(WizardSheetFocus, AMessageBoxRaisedByTheFocusLossSwallowsTheClick)
{
    ui::QueuedAnswerer answerer;
    TestWizard wizard({});
    auto *page = new FocusPage(&wizard.log);
    page->complainOnFocusLoss = true;
    wizard.addPage(page);
    wizard.addPage(new TestPage(70, &wizard.log));
    ASSERT_TRUE(wizard.activateFirstPage());
    showActive(&wizard);
    page->edit->setFocus();
    wizard.log.clear();

    wizard.pressButton(WizardSheet::NextButton);
    EXPECT_EQ(wizard.currentId(), 60);
    EXPECT_EQ(wizard.log, QStringList({"60:focus lost"}));
    EXPECT_EQ(answerer.messageBoxes().size(), 1);
    // The focus is on Next now: the second press goes through.
    wizard.pressButton(WizardSheet::NextButton);
    EXPECT_EQ(wizard.currentId(), 70);
}

TEST(DialogUnits, PixelsAreRoundedAsMulDivDoes)
{
    // 450 x 335 units of a font with base units 7 x 13: 787.5 and 544.375.
    EXPECT_EQ(ui::dialogUnitsToPixels(QSize(450, 335), QSize(7, 13)), QSize(788, 544));
    EXPECT_EQ(ui::dialogUnitsToPixels(QSize(1, 4), QSize(6, 13)), QSize(2, 7));
    EXPECT_EQ(ui::dialogUnitsToPixels(QSize(4, 8), QSize(6, 13)), QSize(6, 13));
    EXPECT_EQ(ui::dialogUnitsToPixels(QSize(-1, 0), QSize(6, 13)), QSize(-2, 0));
}

} // namespace

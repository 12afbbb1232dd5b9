#include "cdialog4.h"
#include "readerids.h"

#include "readerwizardtest.h"

#include "ui/controls.h"

#include <QApplication>
#include <QKeyEvent>

using namespace reader;
namespace albummethod = reader::ids::albummethod;

namespace {

const QString CountOutOfRange = QStringLiteral("1から800までの整数を入力してください。");
const QString NotAnInteger = QStringLiteral("整数を入力してください。");

class CDialog4Test : public ReaderWizardTest
{
protected:
    // The page between stand-ins for its neighbours 136 and 133.
    void startPage()
    {
        auto *wizard = new ui::WizardSheet;
        wizard->addPage(new StandInPage(ids::photoinfo::Template));
        wizard->addPage(new CDialog4(settings()));
        wizard->addPage(new StandInPage(ids::importmode::Template));
        startWizard(wizard);
        next();
        ASSERT_EQ(currentPage(), albummethod::Template);
    }

    QString countText() { return ui::controlText(control(albummethod::Count)); }
    int checked(int controlId) { return ui::checkState(control(controlId)); }
    bool isEnabled(int controlId) { return control(controlId)->isEnabled(); }
    int checkedLevel()
    {
        int level = 0;
        for (int id = albummethod::Level1; id <= albummethod::Level5; ++id) {
            if (checked(id) == 1)
                level = id - albummethod::Level1 + 1;
        }
        return level;
    }
    bool levelsEnabled()
    {
        bool enabled = true;
        for (int id = albummethod::Level1; id <= albummethod::Level5; ++id)
            enabled = enabled && isEnabled(id);
        return enabled;
    }

    void pressEnterInCountBox()
    {
        QWidget *box = control(albummethod::Count);
        box->setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
    }
};

} // namespace

TEST_F(CDialog4Test, FirstShowingIsByCount)
{
    startPage();
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Back | ui::WizardSheet::Next);
    EXPECT_EQ(checked(albummethod::ByCount), 1);
    EXPECT_EQ(checked(albummethod::ByClass), 0);
    EXPECT_EQ(countText(), QStringLiteral("200"));
    EXPECT_TRUE(isEnabled(albummethod::Count));
    EXPECT_TRUE(isEnabled(albummethod::CountLabel));
    // Level 2 is chosen in advance, for when the user switches.
    EXPECT_EQ(checkedLevel(), 2);
    EXPECT_FALSE(isEnabled(albummethod::Level2));

    back();
    EXPECT_EQ(currentPage(), ids::photoinfo::Template);
}

TEST_F(CDialog4Test, CountsFromOneTo800)
{
    startPage();
    for (const char *count : {"801", "0", "-5"}) {
        SCOPED_TRACE(count);
        enterText(albummethod::Count, QLatin1String(count));
        next();
        EXPECT_EQ(currentPage(), albummethod::Template);
        EXPECT_EQ(takeMessages(), QStringList({CountOutOfRange}));
        EXPECT_TRUE(control(albummethod::Count)->hasFocus());
    }
    enterText(albummethod::Count, QStringLiteral("800"));
    next();
    EXPECT_EQ(currentPage(), ids::importmode::Template);
    EXPECT_EQ(settings().m_nPhotoCount, 800);
    EXPECT_EQ(settings().m_nAlbumType, AlbumsByCount);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CDialog4Test, TextThatIsNoIntegerIsNotTakenOver)
{
    startPage();
    enterText(albummethod::Count, QStringLiteral("12a"));
    next();
    // Leaving the box reported it; the press went to the message.
    EXPECT_EQ(currentPage(), albummethod::Template);
    EXPECT_EQ(takeMessages(), QStringList({NotAnInteger}));
    EXPECT_EQ(settings().m_nPhotoCount, 200);
}

TEST_F(CDialog4Test, EnterChecksTheCountInTheBox)
{
    startPage();
    enterText(albummethod::Count, QStringLiteral("801"));
    FocusTakingAnswerer answerer;
    pressEnterInCountBox();
    EXPECT_EQ(currentPage(), albummethod::Template);
    EXPECT_EQ(answerer.texts(), QStringList({CountOutOfRange}));

    // Text that is no integer: the framework's message, once, although its
    // box takes the focus from the count box.
    enterText(albummethod::Count, QStringLiteral("x"));
    pressEnterInCountBox();
    EXPECT_EQ(currentPage(), albummethod::Template);
    EXPECT_EQ(answerer.texts(), QStringList({CountOutOfRange, NotAnInteger}));

    enterText(albummethod::Count, QStringLiteral("350"));
    pressEnterInCountBox();
    EXPECT_EQ(currentPage(), ids::importmode::Template);
    EXPECT_EQ(settings().m_nPhotoCount, 350);
}

TEST_F(CDialog4Test, ByClassificationPassesWhateverCountIsInTheBox)
{
    startPage();
    enterText(albummethod::Count, QStringLiteral("900"));
    click(albummethod::ByClass);
    EXPECT_EQ(settings().m_nAlbumType, AlbumsByClassification);
    EXPECT_FALSE(isEnabled(albummethod::Count));
    EXPECT_FALSE(isEnabled(albummethod::CountLabel));
    EXPECT_TRUE(levelsEnabled());
    next();
    EXPECT_EQ(currentPage(), ids::importmode::Template);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CDialog4Test, SwitchingBackAndForthKeepsCountAndLevel)
{
    startPage();
    enterText(albummethod::Count, QStringLiteral("150"));
    click(albummethod::ByClass);
    click(albummethod::Level4);
    EXPECT_EQ(settings().m_nClassLevel, 4);

    click(albummethod::ByCount);
    EXPECT_EQ(settings().m_nAlbumType, AlbumsByCount);
    EXPECT_EQ(settings().m_nPhotoCount, 150);
    EXPECT_EQ(countText(), QStringLiteral("150"));
    EXPECT_FALSE(levelsEnabled());
    EXPECT_EQ(checkedLevel(), 4);

    click(albummethod::ByClass);
    EXPECT_EQ(checkedLevel(), 4);
    EXPECT_EQ(countText(), QStringLiteral("150"));
    click(albummethod::Level5);
    EXPECT_EQ(settings().m_nClassLevel, 5);
    EXPECT_EQ(checkedLevel(), 5);
}

TEST_F(CDialog4Test, EscapeClosesWithoutTakingTheCount)
{
    startPage();
    enterText(albummethod::Count, QStringLiteral("12a"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(control(albummethod::Count), &press);
    QApplication::processEvents();
    EXPECT_EQ(sheet().result(), ui::WizardSheet::CancelResult);
    EXPECT_TRUE(takeMessages().isEmpty());
}

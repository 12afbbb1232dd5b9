#include "uitestsupport.h"

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/queuedanswerer.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

template <typename Widget>
Widget *addControl(QWidget *parent, int id)
{
    auto *widget = new Widget(parent);
    ui::setControlId(widget, id);
    if (parent->layout())
        parent->layout()->addWidget(widget);
    return widget;
}

TEST(Controls, ControlsAreFoundByTheirIdAtAnyDepth)
{
    QDialog dialog;
    auto *group = new QGroupBox(&dialog);
    auto *edit = addControl<QLineEdit>(group, 1001);
    auto *button = addControl<QPushButton>(&dialog, 1000);

    EXPECT_EQ(ui::findControl(&dialog, 1001), edit);
    EXPECT_EQ(ui::findControl(&dialog, 1000), button);
    EXPECT_EQ(ui::findControl(&dialog, 1002), nullptr);
    EXPECT_EQ(ui::findControl(nullptr, 1001), nullptr);
    EXPECT_EQ(ui::control<QLineEdit>(&dialog, 1001), edit);
    EXPECT_EQ(ui::control<QLineEdit>(&dialog, 1000), nullptr);
    EXPECT_EQ(ui::controlId(edit), 1001);
    EXPECT_EQ(ui::controlId(group), 0);
}

TEST(Controls, SettingAnUnchangedTextRaisesNoChangeHandler)
{
    QDialog dialog;
    auto *edit = addControl<QLineEdit>(&dialog, 1001);
    int changes = 0;
    QObject::connect(edit, &QLineEdit::textChanged, [&changes] { ++changes; });
    ui::setControlText(edit, QStringLiteral("D:\\工事"));
    ui::setControlText(edit, QStringLiteral("D:\\工事"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ui::controlText(edit), QStringLiteral("D:\\工事"));
}

TEST(Controls, MultiLineTextHasWindowsLineEnds)
{
    QDialog dialog;
    auto *edit = addControl<QPlainTextEdit>(&dialog, 1002);
    ui::setControlText(edit, QStringLiteral("工事名\r\n発注者"));
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("工事名\n発注者"));
    EXPECT_EQ(ui::controlText(edit), QStringLiteral("工事名\r\n発注者"));
}

TEST(Controls, ComboTextSelectsTheMatchingEntryOfADropDownList)
{
    QDialog dialog;
    auto *combo = addControl<QComboBox>(&dialog, 1006);
    combo->addItems({QStringLiteral("本棚A"), QStringLiteral("本棚B")});
    ui::setControlText(combo, QStringLiteral("本棚B"));
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(ui::controlText(combo), QStringLiteral("本棚B"));
}

TEST(Controls, CodeCanClearEveryRadioOfAnExclusiveGroup)
{
    QDialog dialog;
    auto *first = addControl<QRadioButton>(&dialog, 1009);
    auto *second = addControl<QRadioButton>(&dialog, 1010);
    auto *grouped = addControl<QRadioButton>(&dialog, 1020);
    auto *groupedOther = addControl<QRadioButton>(&dialog, 1021);
    QButtonGroup group;
    group.addButton(grouped);
    group.addButton(groupedOther);

    ui::setCheckState(first, 1);
    EXPECT_EQ(ui::checkState(first), 1);
    ui::setCheckState(first, 0);
    EXPECT_EQ(ui::checkState(first), 0);
    EXPECT_EQ(ui::checkState(second), 0);
    EXPECT_TRUE(first->autoExclusive());

    ui::setCheckState(grouped, 1);
    ui::setCheckState(grouped, 0);
    EXPECT_EQ(ui::checkState(grouped), 0);
    EXPECT_TRUE(group.exclusive());
    // The user's click still makes the group exclusive.
    groupedOther->click();
    grouped->click();
    EXPECT_EQ(ui::checkState(groupedOther), 0);
}

class FocusDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        new QVBoxLayout(&dialog);
        edit = addControl<QLineEdit>(&dialog, 1001);
        list = addControl<QLineEdit>(&dialog, 1008);
        button = addControl<QPushButton>(&dialog, 1000);
        ui::onFocusLost(edit, [this] { events.append(QStringLiteral("1001 lost")); });
        ui::onFocusGained(list, [this] { events.append(QStringLiteral("1008 gained")); });
        QObject::connect(button, &QPushButton::clicked,
                         [this] { events.append(QStringLiteral("1000 clicked")); });
        showActive(&dialog);
        edit->setFocus();
    }

    // Before the dialog: its handlers still run while it closes.
    QStringList events;
    QDialog dialog;
    QLineEdit *edit = nullptr;
    QLineEdit *list = nullptr;
    QPushButton *button = nullptr;
};

TEST_F(FocusDialog, FocusHandlersRunOnEachChange)
{
    list->setFocus();
    edit->setFocus();
    list->setFocus();
    EXPECT_EQ(events, QStringList({"1001 lost", "1008 gained", "1001 lost", "1008 gained"}));
}

TEST_F(FocusDialog, AClickMovesTheFocusFirst)
{
    EXPECT_TRUE(ui::clickAsUser(button));
    EXPECT_EQ(events, QStringList({"1001 lost", "1000 clicked"}));
    EXPECT_TRUE(button->hasFocus());
}

TEST_F(FocusDialog, AClickThatBroughtUpABoxIsLost)
{
    ui::QueuedAnswerer answerer;
    ui::onFocusLost(edit, [this] { ui::messageBox(&dialog, QStringLiteral("パスが存在しません。")); });
    EXPECT_FALSE(ui::clickAsUser(button));
    EXPECT_EQ(events, QStringList({"1001 lost"}));
    EXPECT_EQ(answerer.messageBoxes().size(), 1);
}

TEST_F(FocusDialog, DisabledButtonsTakeNoClick)
{
    button->setEnabled(false);
    EXPECT_FALSE(ui::clickAsUser(button));
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(edit->hasFocus());
}

} // namespace

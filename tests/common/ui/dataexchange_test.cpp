#include "uitestsupport.h"

#include "ui/controls.h"
#include "ui/dataexchange.h"
#include "ui/propertypage.h"
#include "ui/queuedanswerer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

enum : int {
    NameEdit = 1001,
    OffsetEdit = 1002,
    CountEdit = 1003,
    SplitCheck = 1004,
    FirstRadio = 1005,
    SecondRadio = 1006,
    ThirdRadio = 1007,
};

class ExchangePage : public ui::PropertyPage
{
public:
    ExchangePage()
        : ui::PropertyPage(134, QStringLiteral("page"))
    {
        auto *layout = new QVBoxLayout(this);
        for (const int id : {NameEdit, OffsetEdit, CountEdit}) {
            auto *edit = new QLineEdit;
            ui::setControlId(edit, id);
            layout->addWidget(edit);
        }
        auto *check = new QCheckBox;
        ui::setControlId(check, SplitCheck);
        layout->addWidget(check);
        for (const int id : {FirstRadio, SecondRadio, ThirdRadio}) {
            auto *radio = new QRadioButton;
            ui::setControlId(radio, id);
            m_radios.addButton(radio);
            layout->addWidget(radio);
        }
    }

    QLineEdit *edit(int id) const { return control<QLineEdit>(id); }

    QString name = QStringLiteral("工事");
    int offset = -3;
    unsigned count = 200;
    int split = 1;
    int choice = 1;

protected:
    void doDataExchange(ui::DataExchange &exchange) override
    {
        exchange.text(NameEdit, name, 5);
        exchange.integer(OffsetEdit, offset);
        exchange.unsignedInteger(CountEdit, count, 1, 800);
        exchange.check(SplitCheck, split);
        exchange.radio({FirstRadio, SecondRadio, ThirdRadio}, choice);
    }

private:
    QButtonGroup m_radios;
};

class DataExchangeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedName = QGuiApplication::applicationDisplayName();
        QGuiApplication::setApplicationDisplayName(QStringLiteral("電子納品データ入力ウィザード"));
        ASSERT_TRUE(page.updateData(false));
        showActive(&page);
    }
    void TearDown() override { QGuiApplication::setApplicationDisplayName(m_savedName); }

    // Saves with one edit box changed and expects the framework's message
    // for it, the focus on the box and its text selected.
    void expectRefused(int id, const QString &text, const QString &message)
    {
        SCOPED_TRACE(text.toStdString());
        answerer.clearRecords();
        page.edit(NameEdit)->setFocus();
        page.edit(id)->setText(text);
        EXPECT_FALSE(page.updateData(true));
        ASSERT_EQ(answerer.messageBoxes().size(), 1);
        const ui::MessageBoxRequest &box = answerer.messageBoxes().at(0);
        EXPECT_EQ(box.text, message);
        EXPECT_EQ(box.caption, QStringLiteral("電子納品データ入力ウィザード"));
        EXPECT_EQ(box.icon, ui::Icon::Warning);
        EXPECT_EQ(box.buttons, ui::Buttons::Ok);
        EXPECT_TRUE(page.edit(id)->hasFocus());
        EXPECT_EQ(page.edit(id)->selectedText(), text);
    }

    ui::QueuedAnswerer answerer;
    ExchangePage page;

private:
    QString m_savedName;
};

TEST_F(DataExchangeTest, ShowingPutsTheVariablesIntoTheControls)
{
    EXPECT_EQ(page.edit(NameEdit)->text(), QStringLiteral("工事"));
    EXPECT_EQ(page.edit(OffsetEdit)->text(), QStringLiteral("-3"));
    EXPECT_EQ(page.edit(CountEdit)->text(), QStringLiteral("200"));
    EXPECT_EQ(ui::checkState(page.control(SplitCheck)), 1);
    EXPECT_EQ(ui::checkState(page.control(SecondRadio)), 1);
    EXPECT_EQ(page.edit(NameEdit)->maxLength(), 5);
}

TEST_F(DataExchangeTest, SavingTakesTheControlsValues)
{
    page.edit(NameEdit)->setText(QStringLiteral("写真"));
    page.edit(OffsetEdit)->setText(QStringLiteral("  -2147483648 "));
    page.edit(CountEdit)->setText(QStringLiteral("+800"));
    ui::setCheckState(page.control(SplitCheck), 0);
    ui::control<QRadioButton>(&page, ThirdRadio)->click();
    ASSERT_TRUE(page.updateData(true));
    EXPECT_EQ(page.name, QStringLiteral("写真"));
    EXPECT_EQ(page.offset, -2147483647 - 1);
    EXPECT_EQ(page.count, 800u);
    EXPECT_EQ(page.split, 0);
    EXPECT_EQ(page.choice, 2);
    EXPECT_TRUE(answerer.messageBoxes().isEmpty());
}

TEST_F(DataExchangeTest, IntegersAreReadAsTheCRuntimeReadsThem)
{
    const QList<QPair<QString, int>> good = {
        {QStringLiteral("0"), 0},          {QStringLiteral("\t42\t"), 42},
        {QStringLiteral("+7"), 7},         {QStringLiteral("-5"), -5},
        {QStringLiteral("007"), 7},        {QStringLiteral("２００"), 200},
        {QStringLiteral("2147483647"), 2147483647}};
    for (const auto &[text, value] : good) {
        page.edit(OffsetEdit)->setText(text);
        EXPECT_TRUE(page.updateData(true)) << text.toStdString();
        EXPECT_EQ(page.offset, value) << text.toStdString();
    }
    for (const QString &text : {QStringLiteral(""), QStringLiteral(" "), QStringLiteral("12abc"),
                                QStringLiteral("1 2"), QStringLiteral("-"), QStringLiteral("0x10"),
                                QStringLiteral("2147483648"), QStringLiteral("-2147483649"),
                                QStringLiteral("99999999999999999999"), QStringLiteral("1.5")}) {
        expectRefused(OffsetEdit, text, QStringLiteral("整数を入力してください。"));
    }
}

TEST_F(DataExchangeTest, UnsignedBoxesRefuseSignsAndValuesOutsideTheirRange)
{
    for (const QString &text : {QStringLiteral("-5"), QStringLiteral("abc"), QStringLiteral(""),
                                QStringLiteral("4294967296")}) {
        expectRefused(CountEdit, text, QStringLiteral("正の整数を入力してください。"));
    }
    for (const QString &text : {QStringLiteral("0"), QStringLiteral("801"), QStringLiteral("4294967295")})
        expectRefused(CountEdit, text, QStringLiteral("1 から 800 までの整数を入力してください。"));
}

TEST_F(DataExchangeTest, TextLongerThanTheLimitIsRefusedButNotCut)
{
    // A longer text shown from the variable stays whole.
    page.name = QStringLiteral("工事写真の台帳");
    ASSERT_TRUE(page.updateData(false));
    EXPECT_EQ(page.edit(NameEdit)->text(), QStringLiteral("工事写真の台帳"));
    expectRefused(NameEdit, QStringLiteral("工事写真の台帳"), QStringLiteral("5 文字以内で入力してください。"));
    page.edit(NameEdit)->setText(QStringLiteral("工事写真台"));
    EXPECT_TRUE(page.updateData(true));
}

TEST_F(DataExchangeTest, AFailureSkipsTheBindingsAfterIt)
{
    page.edit(OffsetEdit)->setText(QStringLiteral("x"));
    page.edit(CountEdit)->setText(QStringLiteral("300"));
    ui::control<QRadioButton>(&page, FirstRadio)->click();
    EXPECT_FALSE(page.updateData(true));
    EXPECT_EQ(page.count, 200u);
    EXPECT_EQ(page.choice, 1);
    EXPECT_EQ(answerer.messageBoxes().size(), 1);
}

TEST_F(DataExchangeTest, RadioGroupsCanShowNoChoice)
{
    page.choice = -1;
    ASSERT_TRUE(page.updateData(false));
    for (const int id : {FirstRadio, SecondRadio, ThirdRadio})
        EXPECT_EQ(ui::checkState(page.control(id)), 0) << id;
    ASSERT_TRUE(page.updateData(true));
    EXPECT_EQ(page.choice, -1);

    page.choice = 0;
    ASSERT_TRUE(page.updateData(false));
    EXPECT_EQ(ui::checkState(page.control(FirstRadio)), 1);
    EXPECT_EQ(ui::checkState(page.control(SecondRadio)), 0);
}

TEST_F(DataExchangeTest, ShowingUnchangedValuesRaisesNoChangeHandler)
{
    int changes = 0;
    QObject::connect(page.edit(CountEdit), &QLineEdit::textChanged, [&changes] { ++changes; });
    ASSERT_TRUE(page.updateData(false));
    EXPECT_EQ(changes, 0);
    page.count = 5;
    ASSERT_TRUE(page.updateData(false));
    EXPECT_EQ(changes, 1);
}

} // namespace

#include "scripttestwindows.h"

#include "ui/controls.h"
#include "ui/queuedanswerer.h"
#include "ui/scriptcommand.h"
#include "ui/scriptrunner.h"

#include "workspacetest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

namespace {

// Runs scripts in this process: the exit function records the exit code
// and closes the window instead of ending the program.
class ScriptRunnerTest : public WorkspaceTest
{
protected:
    int run(QDialog *window, const QString &script)
    {
        const ui::ParsedScript parsed = ui::parseScript(script);
        EXPECT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
        QList<ui::ScriptCommand> actions;
        for (const ui::ScriptCommand &command : parsed.commands) {
            if (command.kind == ui::ScriptCommand::Kind::Answer)
                answerer.queueAnswer(command.number);
            else if (command.kind == ui::ScriptCommand::Kind::Browse)
                answerer.queueFolder(command.text);
            else
                actions.append(command);
        }
        auto *runner = new ui::ScriptRunner(actions, &answerer, [this, window](int code) {
            exitCode = code;
            window->reject();
        }, window);
        runner->attach(window);
        return window->exec();
    }

    QStringList boxTexts() const
    {
        QStringList texts;
        for (const ui::MessageBoxRequest &box : answerer.messageBoxes())
            texts.append(box.text);
        return texts;
    }

    ui::QueuedAnswerer answerer;
    int exitCode = 0;
};

TEST_F(ScriptRunnerTest, FollowsTheActionsThroughTheWizardToFinish)
{
    ScriptWizard wizard;
    const int result = run(&wizard, QStringLiteral("expect-page 10\n"
                                                   "text 1001 D:\\工事\n"
                                                   "next\n"
                                                   "expect-page 20\n"
                                                   "select 1006 1\n"
                                                   "select 1008 1\n"
                                                   "select 1010 1\n"
                                                   "tick 1024 D:\\工事\\写真\n"
                                                   "next\n"
                                                   "click 1004\n"
                                                   "back\n"
                                                   "next\n"
                                                   "finish\n"));
    EXPECT_EQ(result, 12325);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(wizard.events,
              QStringList({"10:text D:\\工事", "20:activated 1", "20:row 1", "20:tab 1", "30:check 1"}));
    EXPECT_TRUE(wizard.tree()->isTicked(QStringLiteral("D:\\工事\\写真")));
    EXPECT_FALSE(wizard.tree()->isTicked(QStringLiteral("D:\\工事")));
    EXPECT_TRUE(boxTexts().isEmpty());
}

TEST_F(ScriptRunnerTest, AnswersPreparedAheadServeTheBoxesInOrder)
{
    ScriptWizard wizard;
    run(&wizard, QStringLiteral("text 1001 D:\\工事\n"
                                "next\n"
                                "select 1006 2\n"
                                "answer IDNO\n"
                                "next\n"
                                "expect-page 20\n"
                                "answer IDYES\n"
                                "next\n"
                                "expect-page 30\n"));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(boxTexts(), QStringList({"続けますか？", "続けますか？"}));
}

TEST_F(ScriptRunnerTest, AScriptThatRunsOutCancelsTheWizard)
{
    ScriptWizard wizard;
    EXPECT_EQ(run(&wizard, QStringLiteral("text 1001 D:\\工事\nnext\n")), 2);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(wizard.currentPage()->templateId(), 20);
}

TEST_F(ScriptRunnerTest, AnEmptyScriptCancelsAtOnce)
{
    ScriptWizard wizard;
    EXPECT_EQ(run(&wizard, QString()), 2);
}

TEST_F(ScriptRunnerTest, AnotherPageThanExpectedEndsTheRunWithThree)
{
    ScriptWizard wizard;
    run(&wizard, QStringLiteral("expect-page 20\ntext 1001 x\n"));
    EXPECT_EQ(exitCode, 3);
    EXPECT_TRUE(wizard.events.isEmpty());  // nothing after the failed line
}

TEST_F(ScriptRunnerTest, LinesThatCannotBeCarriedOutEndTheRunWithFour)
{
    const QStringList scripts = {
        QStringLiteral("click 4711"),                  // no such control
        QStringLiteral("text 1000 x"),                 // a button is no edit box
        QStringLiteral("click 1001"),                  // an edit box is no button
        QStringLiteral("text 1001 x\nnext\nselect 1006 3"),  // three entries
        QStringLiteral("text 1001 x\nnext\ntick 1024 D:\\other"),
        QStringLiteral("text 1001 x\nnext\ntick 1006 D:\\工事"),  // a combo box has no folders
        QStringLiteral("answer IDYES\ntext 1001 D:\\nowhere\nclick 1000"),  // an OK box
    };
    for (const QString &script : scripts) {
        exitCode = 0;
        ScriptWizard wizard;
        run(&wizard, script);
        EXPECT_EQ(exitCode, 4) << script.toStdString();
    }
}

TEST_F(ScriptRunnerTest, WhatAUserCouldNotDoEitherIsPassedOver)
{
    ScriptWizard wizard;
    // Next is disabled while the folder box is empty.
    run(&wizard, QStringLiteral("next\nexpect-page 10\ntext 1001 D:\\工事\nnext\nexpect-page 20\n"));
    EXPECT_EQ(exitCode, 0);
}

TEST_F(ScriptRunnerTest, TheFocusLeavesTheEditBoxBeforeNextAndABoxSwallowsTheClick)
{
    ScriptWizard wizard;
    run(&wizard, QStringLiteral("text 1001 D:\\nowhere\n"
                                "next\n"
                                "expect-page 10\n"
                                "next\n"
                                "expect-page 20\n"));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(boxTexts(), QStringList({"パス(D:\\nowhere)が存在しません。"}));
}

TEST_F(ScriptRunnerTest, BrowseAnswersGoToTheFolderBrowser)
{
    ScriptWizard wizard;
    run(&wizard, QStringLiteral("browse D:\\納品\nclick 1000\n"));
    EXPECT_EQ(wizard.folderEdit()->text(), QStringLiteral("D:\\納品"));
    ASSERT_EQ(answerer.folderBrowses().size(), 1);
}

TEST_F(ScriptRunnerTest, ShotsArePicturesOfTheWholeWindow)
{
    makeFolder(QStringLiteral("shots"));
    ScriptWizard wizard;
    run(&wizard, QStringLiteral("shot D:\\shots\\page10.png\n"));
    EXPECT_EQ(exitCode, 0);
    const QImage picture(hostPath(QStringLiteral("shots/page10.png")), "PNG");
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), wizard.size() * wizard.devicePixelRatio());

    ScriptWizard another;
    run(&another, QStringLiteral("shot E:\\unmapped\\x.png\n"));
    EXPECT_EQ(exitCode, 4);
}

TEST_F(ScriptRunnerTest, PlainDialogsAreScriptedAndClosedWithTheirExitButton)
{
    ScriptDialog dialog;
    const int result = run(&dialog, QStringLiteral("select 1008 2\n"
                                                   "answer IDNO\n"
                                                   "click 1004\n"
                                                   "select 1013 1\n"
                                                   "text 1007 D:\\x\n"));
    EXPECT_EQ(result, 2);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(dialog.events, QStringList({"1004 PC-03 IDNO", "1013 0012", "exit"}));
    EXPECT_EQ(boxTexts(), QStringList({"PC-03\nの共有を解除します。"}));
    EXPECT_TRUE(ui::control<QLineEdit>(&dialog, 1007)->text().isEmpty());  // read-only
}

TEST_F(ScriptRunnerTest, WizardCommandsOnAPlainDialogAreErrors)
{
    ScriptDialog dialog;
    run(&dialog, QStringLiteral("next\n"));
    EXPECT_EQ(exitCode, 4);
    exitCode = 0;
    ScriptDialog another;
    run(&another, QStringLiteral("expect-page 103\n"));
    EXPECT_EQ(exitCode, 4);
}

TEST_F(ScriptRunnerTest, CancelOnAPlainDialogPressesItsExitButton)
{
    ScriptDialog dialog;
    EXPECT_EQ(run(&dialog, QStringLiteral("cancel\n")), 2);
    EXPECT_EQ(dialog.events, QStringList({"exit"}));
}

} // namespace

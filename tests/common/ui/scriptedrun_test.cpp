#include "workspacetest.h"

#include <QCoreApplication>
#include <QImage>
#include <QProcess>

namespace {

// Runs the small scripted program (scripttarget.cpp) as its own process,
// as the program tests run the real ones.
class ScriptedRunTest : public WorkspaceTest
{
protected:
    void runTarget(const QString &script, const QStringList &arguments = {})
    {
        writeFile(QStringLiteral("script.txt"), script.toUtf8());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TESSERA_UI_SCRIPT"), hostPath(QStringLiteral("script.txt")));
        environment.insert(QStringLiteral("TESSERA_UI_LOG"), hostPath(QStringLiteral("ui.log")));
        environment.insert(QStringLiteral("TESSERA_DRIVES"), QStringLiteral("D=") + hostPath());
        // The script chooses the offscreen platform whatever the caller set.
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("DISPLAY"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/ui_scripttarget"),
                      arguments);
        ASSERT_TRUE(process.waitForFinished(60000)) << "the scripted program did not end";
        ASSERT_EQ(process.exitStatus(), QProcess::NormalExit);
        exitCode = process.exitCode();
        output = QString::fromUtf8(process.readAllStandardOutput());
        errors = QString::fromLocal8Bit(process.readAllStandardError());
    }

    QString log() const { return QString::fromUtf8(readFile(QStringLiteral("ui.log"))); }

    int exitCode = -1;
    QString output;
    QString errors;
};

TEST_F(ScriptedRunTest, AnswersAtTheTopServeStartUpBoxesAndARunOutScriptCancels)
{
    runTarget(QStringLiteral("answer IDNO\ntext 1001 D:\\工事\nnext\nexpect-page 20\n"));
    EXPECT_EQ(exitCode, 0) << errors.toStdString();
    EXPECT_EQ(output, QStringLiteral("startup IDNO\nplatform offscreen\nresult 2\n"));
    EXPECT_EQ(log(), QStringLiteral("スクリプト試験\tquestion\t起動しますか？\n"));
}

TEST_F(ScriptedRunTest, ABoxWithoutAPreparedAnswerTakesItsFirstButtonAndIsLogged)
{
    runTarget(QStringLiteral("text 1001 D:\\nowhere\nnext\nnext\nnext\nfinish\n"));
    EXPECT_EQ(exitCode, 0) << errors.toStdString();
    EXPECT_EQ(output, QStringLiteral("startup IDYES\nplatform offscreen\nresult 12325\n"));
    EXPECT_EQ(log(), QStringLiteral("スクリプト試験\tquestion\t起動しますか？\n"
                                    "スクリプト試験\tnone\tパス(D:\\nowhere)が存在しません。\n"));
}

TEST_F(ScriptedRunTest, AnotherPageThanExpectedEndsTheProgramWithThreeAfterTheLog)
{
    runTarget(QStringLiteral("text 1001 D:\\nowhere\nnext\nexpect-page 20\nnext\n"));
    EXPECT_EQ(exitCode, 3);
    EXPECT_EQ(output, QStringLiteral("startup IDYES\n"));  // the program's own end never came
    EXPECT_TRUE(errors.contains(QStringLiteral("script line 3 (expect-page 20): page 10 is showing")))
        << errors.toStdString();
    EXPECT_TRUE(log().endsWith(QStringLiteral("\tパス(D:\\nowhere)が存在しません。\n")));
}

TEST_F(ScriptedRunTest, AMalformedScriptEndsTheProgramWithFourBeforeAnythingRuns)
{
    runTarget(QStringLiteral("answer IDYES\nnext\nfly away\n"));
    EXPECT_EQ(exitCode, 4);
    EXPECT_TRUE(output.isEmpty());
    EXPECT_TRUE(errors.contains(QStringLiteral("line 3: unknown command \"fly\""))) << errors.toStdString();
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(ScriptedRunTest, AScriptThatCannotBeReadEndsTheProgramWithFour)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TESSERA_UI_SCRIPT"), hostPath(QStringLiteral("missing.txt")));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/ui_scripttarget"));
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 4);
    EXPECT_TRUE(process.readAllStandardError().contains("cannot be read"));
}

TEST_F(ScriptedRunTest, APlainDialogIsScriptedShotAndClosedWithItsExitButton)
{
    makeFolder(QStringLiteral("shots"));
    runTarget(QStringLiteral("answer IDYES\n"
                             "select 1008 1\n"
                             "answer IDNO\n"
                             "click 1004\n"
                             "shot D:\\shots\\dialog.png\n"),
              {QStringLiteral("dialog")});
    EXPECT_EQ(exitCode, 0) << errors.toStdString();
    EXPECT_EQ(output, QStringLiteral("startup IDYES\nplatform offscreen\nresult 2\n"));
    EXPECT_EQ(log(), QStringLiteral("スクリプト試験\tquestion\t起動しますか？\n"
                                    "確認\tnone\tPC-02\\nの共有を解除します。\n"));
    EXPECT_FALSE(QImage(hostPath(QStringLiteral("shots/dialog.png")), "PNG").isNull());
}

} // namespace

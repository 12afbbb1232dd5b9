#include "ui/dialogs.h"
#include "ui/queuedanswerer.h"

#include "workspacetest.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

using ui::Buttons;
using ui::Icon;

class DialogsTest : public WorkspaceTest
{
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        m_savedName = QGuiApplication::applicationDisplayName();
        QGuiApplication::setApplicationDisplayName(QStringLiteral("電子納品データ入力ウィザード"));
    }
    void TearDown() override
    {
        qunsetenv("TESSERA_UI_LOG");
        QGuiApplication::setApplicationDisplayName(m_savedName);
        WorkspaceTest::TearDown();
    }

private:
    QString m_savedName;
};

TEST_F(DialogsTest, AnswererRecordsBoxesAndReturnsQueuedAnswersInOrder)
{
    ui::QueuedAnswerer answerer;
    answerer.queueAnswer(ui::IDNO);
    answerer.queueAnswer(ui::IDCANCEL);

    EXPECT_EQ(ui::messageBox(nullptr, QStringLiteral("作成しますか？"), QString(), Buttons::YesNo,
                             Icon::Question),
              ui::IDNO);
    EXPECT_EQ(ui::messageBox(nullptr, QStringLiteral("続けますか？"), QStringLiteral("エラー"),
                             Buttons::OkCancel, Icon::Error, true),
              ui::IDCANCEL);
    // Nothing queued: the first button.
    EXPECT_EQ(ui::messageBox(nullptr, QStringLiteral("a"), QString(), Buttons::YesNoCancel), ui::IDYES);
    EXPECT_EQ(ui::messageBox(nullptr, QStringLiteral("b"), QString(), Buttons::OkCancel), ui::IDOK);

    ASSERT_EQ(answerer.messageBoxes().size(), 4);
    const ui::MessageBoxRequest &first = answerer.messageBoxes().at(0);
    EXPECT_EQ(first.text, QStringLiteral("作成しますか？"));
    EXPECT_EQ(first.caption, QStringLiteral("電子納品データ入力ウィザード"));
    EXPECT_EQ(first.buttons, Buttons::YesNo);
    EXPECT_EQ(first.icon, Icon::Question);
    EXPECT_FALSE(first.foreground);
    const ui::MessageBoxRequest &second = answerer.messageBoxes().at(1);
    EXPECT_EQ(second.caption, QStringLiteral("エラー"));
    EXPECT_TRUE(second.foreground);
    EXPECT_TRUE(answerer.unfitAnswers().isEmpty());
    EXPECT_EQ(answerer.pendingAnswers(), 0);
}

TEST_F(DialogsTest, AnswerThatIsNoButtonOfTheBoxIsReportedAndTheDefaultTaken)
{
    ui::QueuedAnswerer answerer;
    answerer.queueAnswer(ui::IDYES);
    EXPECT_EQ(ui::messageBox(nullptr, QStringLiteral("完了しました"), QString(), Buttons::Ok), ui::IDOK);
    ASSERT_EQ(answerer.unfitAnswers().size(), 1);
    EXPECT_TRUE(answerer.unfitAnswers().at(0).contains(QStringLiteral("IDYES")));
    EXPECT_TRUE(answerer.unfitAnswers().at(0).contains(QStringLiteral("完了しました")));
}

TEST_F(DialogsTest, FolderAndSaveAnswersAreQueuedSeparatelyAndCancelWhenMissing)
{
    ui::QueuedAnswerer answerer;
    answerer.queueFolder(QStringLiteral("D:\\工事"));
    answerer.queueFolder(std::nullopt);
    answerer.queueSaveFile(QStringLiteral("D:\\out\\list.txt"));
    answerer.queueAnswer(ui::IDOK);

    EXPECT_EQ(ui::browseForFolder(nullptr, QStringLiteral("選択してください"), QStringLiteral("D:\\x")),
              QStringLiteral("D:\\工事"));
    EXPECT_EQ(ui::browseForFolder(nullptr, QStringLiteral("again")), std::nullopt);
    EXPECT_EQ(ui::browseForFolder(nullptr, QStringLiteral("nothing queued")), std::nullopt);
    ui::SaveFileRequest save;
    save.title = QStringLiteral("保存");
    save.filters = {QStringLiteral("テキスト ファイル (*.txt)")};
    EXPECT_EQ(ui::saveFileName(nullptr, save), QStringLiteral("D:\\out\\list.txt"));
    EXPECT_EQ(ui::saveFileName(nullptr, save), std::nullopt);

    ASSERT_EQ(answerer.folderBrowses().size(), 3);
    EXPECT_EQ(answerer.folderBrowses().at(0).title, QStringLiteral("選択してください"));
    EXPECT_EQ(answerer.folderBrowses().at(0).initialFolder, QStringLiteral("D:\\x"));
    ASSERT_EQ(answerer.saveFiles().size(), 2);
    EXPECT_EQ(answerer.saveFiles().at(0).filters, save.filters);
    // The box answer was not taken by the browsers.
    EXPECT_EQ(answerer.pendingAnswers(), 1);
}

TEST_F(DialogsTest, AnswerersNestAndRestoreTheOneBefore)
{
    EXPECT_EQ(ui::installedAnswerer(), nullptr);
    {
        ui::QueuedAnswerer outer;
        {
            ui::QueuedAnswerer inner;
            EXPECT_EQ(ui::installedAnswerer(), &inner);
            ui::messageBox(nullptr, QStringLiteral("x"));
            EXPECT_EQ(inner.messageBoxes().size(), 1);
            EXPECT_TRUE(outer.messageBoxes().isEmpty());
        }
        EXPECT_EQ(ui::installedAnswerer(), &outer);
    }
    EXPECT_EQ(ui::installedAnswerer(), nullptr);
}

TEST_F(DialogsTest, EveryBoxIsAppendedToTheLogAsOneLine)
{
    writeFile(QStringLiteral("ui.log"), QByteArray("earlier line\n"));
    qputenv("TESSERA_UI_LOG", QFile::encodeName(hostPath(QStringLiteral("ui.log"))));
    ui::QueuedAnswerer answerer;
    ui::messageBox(nullptr, QStringLiteral("パス(D:\\工事)を\n\n新規に作成しますか？"), QString(),
                   Buttons::YesNo, Icon::Question);
    ui::messageBox(nullptr, QStringLiteral("列\tあり"), QStringLiteral("エラー"), Buttons::Ok, Icon::Error);
    ui::messageBox(nullptr, QStringLiteral("plain"), QStringLiteral("警告"), Buttons::Ok, Icon::Warning);
    ui::messageBox(nullptr, QStringLiteral("info"), QStringLiteral("c"), Buttons::Ok, Icon::Information);
    ui::messageBox(nullptr, QStringLiteral("none"), QStringLiteral("c"));

    const QByteArray expected = QStringLiteral(
        "earlier line\n"
        "電子納品データ入力ウィザード\tquestion\tパス(D:\\工事)を\\n\\n新規に作成しますか？\n"
        "エラー\terror\t列\\tあり\n"
        "警告\twarning\tplain\n"
        "c\tinformation\tinfo\n"
        "c\tnone\tnone\n").toUtf8();
    EXPECT_EQ(readFile(QStringLiteral("ui.log")), expected);
}

TEST_F(DialogsTest, RealBoxShowsJapaneseButtonsAndReturnsThePressedOne)
{
    QStringList buttonTexts;
    QString shownText;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        QAbstractButton *no = nullptr;
        for (QAbstractButton *button : box->buttons()) {
            buttonTexts.append(button->text());
            if (button->text() == QStringLiteral("いいえ(&N)"))
                no = button;
        }
        ASSERT_NE(no, nullptr);
        no->click();
    });
    EXPECT_EQ(ui::messageBox(nullptr, QStringLiteral("よろしいですか？"), QString(),
                             Buttons::YesNoCancel, Icon::Question),
              ui::IDNO);
    EXPECT_EQ(shownText, QStringLiteral("よろしいですか？"));
    buttonTexts.sort();
    QStringList expected = {QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"),
                            QStringLiteral("キャンセル")};
    expected.sort();
    EXPECT_EQ(buttonTexts, expected);
}

TEST_F(DialogsTest, RealBoxDefaultButtonIsTheFirstAndEscapeCancels)
{
    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("OK"));
        box->escapeButton()->click();
    });
    EXPECT_EQ(ui::messageBox(nullptr, QStringLiteral("q"), QString(), Buttons::OkCancel), ui::IDCANCEL);
}

TEST_F(DialogsTest, RealFolderBrowserStartsAtTheHostFolderAndGivesTheChoiceInWindowsForm)
{
    makeFolder(QStringLiteral("工事/写真"));
    QString startFolder;
    QString title;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        startFolder = dialog->directory().absolutePath();
        title = dialog->windowTitle();
        dialog->selectFile(hostPath(QStringLiteral("工事/写真")));
        static_cast<QDialog *>(dialog)->accept();
    });
    const std::optional<QString> chosen = ui::browseForFolder(
        nullptr, QStringLiteral("フォルダを選択してください"), winPath(QStringLiteral("工事")));
    EXPECT_EQ(QDir(startFolder), QDir(hostPath(QStringLiteral("工事"))));
    EXPECT_EQ(title, QStringLiteral("フォルダを選択してください"));
    EXPECT_EQ(chosen, winPath(QStringLiteral("工事\\写真")));
}

TEST_F(DialogsTest, CancelledRealFolderBrowserGivesNothing)
{
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->reject();
    });
    EXPECT_EQ(ui::browseForFolder(nullptr, QStringLiteral("t"), winPath()), std::nullopt);
}

} // namespace

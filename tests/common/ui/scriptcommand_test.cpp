#include "ui/dialogs.h"
#include "ui/scriptcommand.h"

#include <gtest/gtest.h>

namespace {

using Kind = ui::ScriptCommand::Kind;

TEST(ScriptParser, ReadsEveryCommandWithItsOperands)
{
    const ui::ParsedScript parsed = ui::parseScript(QStringLiteral(
        "# the standard route\r\n"
        "answer IDYES\r\n"
        "\r\n"
        "  browse D:\\納品\\ROOT\r\n"
        "browse cancel\n"
        "save D:\\out\\list.txt\n"
        "save cancel\n"
        "text 1001 D:\\工事  写真 \n"
        "text 1001\n"
        "text 1001 \n"
        "click 1009\n"
        "select 1006 2\n"
        "tick 1024 D:\\工事\\写真\n"
        "next\n"
        "back\n"
        "finish\n"
        "cancel\n"
        "shot D:\\shots\\page 137.png\n"
        "expect-page 137\n"));
    ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    const QList<ui::ScriptCommand> &c = parsed.commands;
    ASSERT_EQ(c.size(), 17);

    EXPECT_EQ(c[0].kind, Kind::Answer);
    EXPECT_EQ(c[0].number, ui::IDYES);
    EXPECT_EQ(c[0].line, 2);
    EXPECT_TRUE(c[0].isPreparation());
    EXPECT_EQ(c[1].kind, Kind::Browse);
    EXPECT_EQ(c[1].text, QStringLiteral("D:\\納品\\ROOT"));
    EXPECT_FALSE(c[1].cancel);
    EXPECT_EQ(c[1].line, 4);
    EXPECT_TRUE(c[2].cancel);
    EXPECT_EQ(c[3].kind, Kind::Save);
    EXPECT_EQ(c[3].text, QStringLiteral("D:\\out\\list.txt"));
    EXPECT_TRUE(c[4].cancel);

    // A text is the rest of the line after one blank, exactly.
    EXPECT_EQ(c[5].kind, Kind::Text);
    EXPECT_EQ(c[5].controlId, 1001);
    EXPECT_EQ(c[5].text, QStringLiteral("D:\\工事  写真 "));
    EXPECT_FALSE(c[5].isPreparation());
    EXPECT_EQ(c[6].text, QString());
    EXPECT_EQ(c[7].text, QString());

    EXPECT_EQ(c[8].kind, Kind::Click);
    EXPECT_EQ(c[8].controlId, 1009);
    EXPECT_EQ(c[9].kind, Kind::Select);
    EXPECT_EQ(c[9].controlId, 1006);
    EXPECT_EQ(c[9].number, 2);
    EXPECT_EQ(c[10].kind, Kind::Tick);
    EXPECT_EQ(c[10].text, QStringLiteral("D:\\工事\\写真"));
    EXPECT_EQ(c[11].kind, Kind::Next);
    EXPECT_EQ(c[12].kind, Kind::Back);
    EXPECT_EQ(c[13].kind, Kind::Finish);
    EXPECT_EQ(c[14].kind, Kind::Cancel);
    EXPECT_EQ(c[15].kind, Kind::Shot);
    EXPECT_EQ(c[15].text, QStringLiteral("D:\\shots\\page 137.png"));
    EXPECT_EQ(c[16].kind, Kind::ExpectPage);
    EXPECT_EQ(c[16].number, 137);
    EXPECT_EQ(c[16].source, QStringLiteral("expect-page 137"));
}

TEST(ScriptParser, MalformedLinesStopTheReadingWithTheirLineNumber)
{
    const QList<QPair<QString, QString>> cases = {
        {"klick 1001", "line 2: unknown command \"klick\""},
        {"Next", "line 2: unknown command \"Next\""},
        {"click", "line 2: \"click\" is malformed; write click <controlId>"},
        {"click abc", "line 2: \"click abc\" is malformed; write click <controlId>"},
        {"click 1001 1002", "line 2: \"click 1001 1002\" is malformed; write click <controlId>"},
        {"select 1006", "line 2: \"select 1006\" is malformed; write select <controlId> <index>"},
        {"select 1006 -1", "line 2: \"select 1006 -1\" is malformed; write select <controlId> <index>"},
        {"select 1006 1 2", "line 2: \"select 1006 1 2\" is malformed; write select <controlId> <index>"},
        {"text", "line 2: \"text\" is malformed; write text <controlId> <text>"},
        {"text abc def", "line 2: \"text abc def\" is malformed; write text <controlId> <text>"},
        {"tick 1024", "line 2: \"tick 1024\" is malformed; write tick <controlId> <path>"},
        {"next now", "line 2: \"next now\" is malformed; write next"},
        {"answer YES", "line 2: \"answer YES\" is malformed; write answer IDOK|IDYES|IDNO|IDCANCEL"},
        {"answer", "line 2: \"answer\" is malformed; write answer IDOK|IDYES|IDNO|IDCANCEL"},
        {"browse", "line 2: \"browse\" is malformed; write browse <path>|cancel"},
        {"shot", "line 2: \"shot\" is malformed; write shot <file.png>"},
        {"expect-page", "line 2: \"expect-page\" is malformed; write expect-page <templateId>"},
        {"expect-page 0", "line 2: \"expect-page 0\" is malformed; write expect-page <templateId>"},
        {"expect-page 13x", "line 2: \"expect-page 13x\" is malformed; write expect-page <templateId>"},
    };
    for (const auto &[line, error] : cases) {
        const ui::ParsedScript parsed =
            ui::parseScript(QStringLiteral("next\n") + line + QStringLiteral("\nnext\n"));
        EXPECT_EQ(parsed.error, error) << line.toStdString();
    }
}

TEST(ScriptParser, AnEmptyScriptHasNoCommands)
{
    const ui::ParsedScript parsed = ui::parseScript(QStringLiteral("\n# nothing\n   \n"));
    EXPECT_TRUE(parsed.error.isEmpty());
    EXPECT_TRUE(parsed.commands.isEmpty());
}

} // namespace

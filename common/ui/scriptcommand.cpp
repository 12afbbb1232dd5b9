#include "scriptcommand.h"

#include "dialogs.h"

#include <QRegularExpression>

namespace ui {

namespace {

using Kind = ScriptCommand::Kind;

// What follows the command word.
enum class Operands {
    None,
    Control,           // <controlId>
    ControlAndIndex,   // <controlId> <index>
    ControlAndText,    // <controlId> <text to the end of the line, may be empty>
    ControlAndPath,    // <controlId> <path>
    Path,              // <path>
    PathOrCancel,      // <path>|cancel
    Answer,            // IDOK|IDYES|IDNO|IDCANCEL
    TemplateId,        // <templateId>
};

struct Syntax
{
    const char *word;
    Kind kind;
    Operands operands;
    const char *usage;
};

constexpr Syntax Commands[] = {
    {"text", Kind::Text, Operands::ControlAndText, "text <controlId> <text>"},
    {"click", Kind::Click, Operands::Control, "click <controlId>"},
    {"select", Kind::Select, Operands::ControlAndIndex, "select <controlId> <index>"},
    {"tick", Kind::Tick, Operands::ControlAndPath, "tick <controlId> <path>"},
    {"next", Kind::Next, Operands::None, "next"},
    {"back", Kind::Back, Operands::None, "back"},
    {"finish", Kind::Finish, Operands::None, "finish"},
    {"cancel", Kind::Cancel, Operands::None, "cancel"},
    {"answer", Kind::Answer, Operands::Answer, "answer IDOK|IDYES|IDNO|IDCANCEL"},
    {"browse", Kind::Browse, Operands::PathOrCancel, "browse <path>|cancel"},
    {"save", Kind::Save, Operands::PathOrCancel, "save <path>|cancel"},
    {"shot", Kind::Shot, Operands::Path, "shot <file.png>"},
    {"expect-page", Kind::ExpectPage, Operands::TemplateId, "expect-page <templateId>"},
};

const Syntax *findSyntax(const QString &word)
{
    for (const Syntax &syntax : Commands) {
        if (word == QLatin1String(syntax.word))
            return &syntax;
    }
    return nullptr;
}

// Splits off the first blank-separated word; rest is what follows the one
// blank after it, exactly.
QString takeWord(const QString &text, QString *rest)
{
    static const QRegularExpression blank(QStringLiteral("[ \\t]"));
    const qsizetype end = text.indexOf(blank);
    if (end < 0) {
        rest->clear();
        return text;
    }
    *rest = text.mid(end + 1);
    return text.left(end);
}

bool readNumber(const QString &word, int minimum, int *value)
{
    bool ok = false;
    *value = word.toInt(&ok);
    return ok && *value >= minimum && !word.startsWith(QLatin1Char('+'));
}

// Fills command from the operands; false when they do not fit the syntax.
bool readOperands(Operands operands, const QString &text, ScriptCommand *command)
{
    QString rest;
    const QString first = takeWord(text, &rest);
    const QString trimmed = text.trimmed();
    switch (operands) {
    case Operands::None:
        return trimmed.isEmpty();
    case Operands::Control:
        return rest.trimmed().isEmpty() && readNumber(first, 1, &command->controlId);
    case Operands::ControlAndIndex:
        return readNumber(first, 1, &command->controlId) && readNumber(rest.trimmed(), 0, &command->number);
    case Operands::ControlAndText:
        command->text = rest;
        return readNumber(first, 1, &command->controlId);
    case Operands::ControlAndPath:
        command->text = rest.trimmed();
        return readNumber(first, 1, &command->controlId) && !command->text.isEmpty();
    case Operands::Path:
        command->text = trimmed;
        return !trimmed.isEmpty();
    case Operands::PathOrCancel:
        command->cancel = trimmed == QLatin1String("cancel");
        command->text = command->cancel ? QString() : trimmed;
        return !trimmed.isEmpty();
    case Operands::Answer:
        command->number = resultFromName(trimmed);
        return command->number != 0;
    case Operands::TemplateId:
        return readNumber(trimmed, 1, &command->number);
    }
    return false;
}

} // namespace

ParsedScript parseScript(const QString &script)
{
    ParsedScript parsed;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        // Leading blanks are indentation; the rest of the line is kept as
        // written, since a text may end in blanks.
        qsizetype start = 0;
        while (start < line.size() && (line.at(start) == QLatin1Char(' ') || line.at(start) == QLatin1Char('\t')))
            ++start;
        line = line.mid(start);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;

        ScriptCommand command;
        command.line = i + 1;
        command.source = line.trimmed();
        QString operands;
        const QString word = takeWord(line, &operands);
        const Syntax *syntax = findSyntax(word);
        if (!syntax) {
            parsed.error = QStringLiteral("line %1: unknown command \"%2\"").arg(command.line).arg(word);
            return parsed;
        }
        command.kind = syntax->kind;
        if (!readOperands(syntax->operands, operands, &command)) {
            parsed.error = QStringLiteral("line %1: \"%2\" is malformed; write %3")
                               .arg(command.line)
                               .arg(command.source, QLatin1String(syntax->usage));
            return parsed;
        }
        parsed.commands.append(command);
    }
    return parsed;
}

} // namespace ui

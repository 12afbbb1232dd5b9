#include "scriptedrun.h"

#include "queuedanswerer.h"
#include "scriptcommand.h"
#include "scriptrunner.h"

#include <QFile>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace ui {

namespace {

struct PreparedScript
{
    QueuedAnswerer answerer;
    QList<ScriptCommand> actions;
    bool attached = false;
};

std::unique_ptr<PreparedScript> &preparedScript()
{
    static std::unique_ptr<PreparedScript> script;
    return script;
}

// Ends the program at once with the run's verdict. The message box log is
// complete already (written line by line), and nothing of the program's
// own work may follow a failed check.
[[noreturn]] void endProgram(int exitCode)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(exitCode);
}

[[noreturn]] void refuseScript(const QString &file, const QString &message)
{
    std::fprintf(stderr, "TESSERA_UI_SCRIPT %s: %s\n", QFile::encodeName(file).constData(),
                 message.toLocal8Bit().constData());
    endProgram(ScriptRunner::ScriptFailed);
}

void queuePreparation(QueuedAnswerer &answerer, const ScriptCommand &command)
{
    const std::optional<QString> path =
        command.cancel ? std::nullopt : std::optional<QString>(command.text);
    switch (command.kind) {
    case ScriptCommand::Kind::Answer:
        answerer.queueAnswer(command.number);
        break;
    case ScriptCommand::Kind::Browse:
        answerer.queueFolder(path);
        break;
    case ScriptCommand::Kind::Save:
        answerer.queueSaveFile(path);
        break;
    default:
        break;
    }
}

} // namespace

void ScriptedRun::prepare()
{
    const QString file = qEnvironmentVariable("TESSERA_UI_SCRIPT");
    if (file.isEmpty() || preparedScript())
        return;
    QFile scriptFile(file);
    if (!scriptFile.open(QIODevice::ReadOnly))
        refuseScript(file, QStringLiteral("cannot be read: %1").arg(scriptFile.errorString()));
    QString text = QString::fromUtf8(scriptFile.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const ParsedScript parsed = parseScript(text);
    if (!parsed.error.isEmpty())
        refuseScript(file, parsed.error);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto script = std::make_unique<PreparedScript>();
    for (const ScriptCommand &command : parsed.commands) {
        if (command.isPreparation())
            queuePreparation(script->answerer, command);
        else
            script->actions.append(command);
    }
    preparedScript() = std::move(script);
}

void ScriptedRun::attach(QWidget *window)
{
    // A script drives the one window the program runs.
    PreparedScript *script = preparedScript().get();
    if (!script || script->attached)
        return;
    script->attached = true;
    // The runner lives as long as the window it follows.
    auto *runner = new ScriptRunner(script->actions, &script->answerer, endProgram, window);
    runner->attach(window);
}

bool ScriptedRun::isActive()
{
    return preparedScript() != nullptr;
}

} // namespace ui

#include "scriptrunner.h"

#include "queuedanswerer.h"
#include "scriptactions.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace ui {

namespace {

void printLine(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

QString atLine(const ScriptCommand &command)
{
    return QStringLiteral("script line %1 (%2)").arg(command.line).arg(command.source);
}

} // namespace

ScriptRunner::ScriptRunner(const QList<ScriptCommand> &actions, QueuedAnswerer *answerer,
                           ExitFunction exitFunction, QObject *parent)
    : QObject(parent)
    , m_actions(actions)
    , m_answerer(answerer)
    , m_exit(std::move(exitFunction))
{
}

void ScriptRunner::attach(QWidget *window)
{
    m_window = window;
    window->installEventFilter(this);
    if (window->isVisible())
        schedule();
}

bool ScriptRunner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && !m_finished) {
        if (event->type() == QEvent::Show
            || (event->type() == QEvent::EnabledChange && m_window->isEnabled()))
            schedule();
        else if (event->type() == QEvent::Hide && m_next < m_actions.size())
            printLine(QStringLiteral("script: the window closed before %1; the rest of the script "
                                     "is not run")
                          .arg(atLine(m_actions.at(m_next))));
    }
    return false;
}

void ScriptRunner::schedule()
{
    if (m_scheduled || m_finished)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, &ScriptRunner::step);
}

void ScriptRunner::step()
{
    m_scheduled = false;
    // Waits for the window: the next Show schedules the step again. A
    // window disabled during a long step (the album page's photo database
    // build) takes no action until it is enabled again.
    if (m_finished || !m_window || !m_window->isVisible() || !m_window->isEnabled())
        return;
    // Boxes raised before the window showed took the answers at the top.
    if (!checkAnswers(nullptr))
        return;
    if (m_next >= m_actions.size()) {
        finish();
        return;
    }
    // Focus changes send their events (and so run focus-loss handlers)
    // only in the active window.
    if (!m_window->isActiveWindow()) {
        m_window->activateWindow();
    }
    const ScriptCommand command = m_actions.at(m_next++);
    runLine(command);
    if (!m_finished && checkAnswers(&command))
        schedule();
}

void ScriptRunner::runLine(const ScriptCommand &command)
{
    ScriptActions actions(m_window);
    if (command.kind == ScriptCommand::Kind::ExpectPage) {
        if (!qobject_cast<WizardSheet *>(m_window))
            stop(ScriptFailed, atLine(command) + QStringLiteral(": the window is no wizard"));
        else if (actions.currentPage() != command.number)
            stop(ExpectationFailed, QStringLiteral("%1: page %2 is showing")
                                        .arg(atLine(command))
                                        .arg(actions.currentPage()));
        return;
    }
    QString note;
    const QString error = actions.perform(command, &note);
    if (!error.isEmpty())
        stop(ScriptFailed, atLine(command) + QStringLiteral(": ") + error);
    else if (!note.isEmpty())
        printLine(atLine(command) + QStringLiteral(": ") + note);
}

bool ScriptRunner::checkAnswers(const ScriptCommand *command)
{
    if (!m_answerer || m_answerer->unfitAnswers().isEmpty())
        return true;
    const QString where = command ? atLine(*command) : QStringLiteral("script: before the first action");
    stop(ScriptFailed, where + QStringLiteral(": ") + m_answerer->unfitAnswers().constFirst());
    return false;
}

void ScriptRunner::stop(int exitCode, const QString &message)
{
    m_finished = true;
    printLine(message);
    m_exit(exitCode);
}

void ScriptRunner::finish()
{
    m_finished = true;
    if (m_answerer && m_answerer->pendingAnswers() > 0)
        printLine(QStringLiteral("script: %1 prepared answers were not used")
                      .arg(m_answerer->pendingAnswers()));
    ScriptActions(m_window).close();
}

} // namespace ui

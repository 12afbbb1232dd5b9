#pragma once

#include "scriptcommand.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace ui {

class QueuedAnswerer;

// Follows the action lines of a script on one window: each runs once the
// window shows and the line before it is done (every action is carried out
// to its end, boxes answered, before the next one is scheduled). When the
// lines run out while the window is open, the window is cancelled.
//
// A failed expect-page line ends the run with ExpectationFailed, a line
// that cannot be carried out (or a box that did not take its prepared
// answer) with ScriptFailed, through the exit function after a message on
// stderr.
class ScriptRunner final : public QObject
{
    Q_OBJECT

public:
    static constexpr int ExpectationFailed = 3;
    static constexpr int ScriptFailed = 4;
    using ExitFunction = std::function<void(int exitCode)>;

    // answerer may be nullptr; its mismatches are checked after each line.
    ScriptRunner(const QList<ScriptCommand> &actions, QueuedAnswerer *answerer,
                 ExitFunction exitFunction, QObject *parent = nullptr);

    // Starts following the script once the window shows (at once when it
    // already does).
    void attach(QWidget *window);

    // Lines done so far; true once the script ended or stopped.
    int linesDone() const { return int(m_next); }
    bool isFinished() const { return m_finished; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void schedule();
    void step();
    void runLine(const ScriptCommand &command);
    bool checkAnswers(const ScriptCommand *command);
    void stop(int exitCode, const QString &message);
    void finish();

    QList<ScriptCommand> m_actions;
    QueuedAnswerer *m_answerer;
    ExitFunction m_exit;
    QPointer<QWidget> m_window;
    qsizetype m_next = 0;
    bool m_scheduled = false;
    bool m_finished = false;
};

} // namespace ui

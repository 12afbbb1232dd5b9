#pragma once

#include <QElapsedTimer>

#include <cstdio>

// A progress bar on a terminal for a long export or import, redrawn only
// when its shown percentage changes; nothing when the stream is not a
// terminal.
namespace host {

class TerminalProgress final
{
public:
    explicit TerminalProgress(FILE *stream);
    ~TerminalProgress(); // ends the bar's line
    Q_DISABLE_COPY_MOVE(TerminalProgress)

    void update(int done, int total);

private:
    FILE *m_stream;
    bool m_terminal;
    int m_shown = -1;
    QElapsedTimer m_started;
};

} // namespace host

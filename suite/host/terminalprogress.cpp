#include "terminalprogress.h"

#include <QByteArray>

#include <unistd.h>

namespace host {

namespace {

constexpr int BarWidth = 40;
constexpr int Percent = 100;
// Runs shorter than this end before a bar would be worth drawing.
constexpr qint64 QuietMilliseconds = 500;

} // namespace

TerminalProgress::TerminalProgress(FILE *stream)
    : m_stream(stream), m_terminal(isatty(fileno(stream)) != 0)
{
    m_started.start();
}

TerminalProgress::~TerminalProgress()
{
    if (m_shown >= 0) {
        std::fputc('\n', m_stream);
        std::fflush(m_stream);
    }
}

void TerminalProgress::update(int done, int total)
{
    if (!m_terminal || total <= 0 || m_started.elapsed() < QuietMilliseconds)
        return;
    const int percent = int(qint64(done) * Percent / total);
    if (percent == m_shown)
        return;
    m_shown = percent;
    const int filled = percent * BarWidth / Percent;
    const QByteArray bar = QByteArray(filled, '#') + QByteArray(BarWidth - filled, '-');
    std::fprintf(m_stream, "\r[%s] %3d%% %d/%d", bar.constData(), percent, done, total);
    std::fflush(m_stream);
}

} // namespace host

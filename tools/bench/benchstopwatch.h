#pragma once

#include <QElapsedTimer>

// Wall-clock and CPU seconds since it was made. On a busy machine the CPU
// time is the steadier of the two, so the benchmarks print both.
class BenchStopwatch final
{
public:
    BenchStopwatch();

    double wall() const;
    double cpu() const;

private:
    QElapsedTimer m_timer;
    double m_cpuStart;
};

#include "benchstopwatch.h"

#include "benchsupport.h"

BenchStopwatch::BenchStopwatch() : m_cpuStart(bench::cpuSeconds())
{
    m_timer.start();
}

double BenchStopwatch::wall() const
{
    return m_timer.nsecsElapsed() / 1e9;
}

double BenchStopwatch::cpu() const
{
    return bench::cpuSeconds() - m_cpuStart;
}

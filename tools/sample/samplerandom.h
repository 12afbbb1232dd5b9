#pragma once

#include <QtGlobal>

// A small deterministic random source (SplitMix64): the same seed gives the
// same sample data on every machine and library version, which the
// standard library's distributions do not promise.
class SampleRandom final
{
public:
    explicit SampleRandom(quint64 seed);

    quint64 next();
    // 0 .. bound - 1; bound must be positive.
    int below(int bound);
    bool chance(int percent);

private:
    quint64 m_state;
};

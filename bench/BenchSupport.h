#pragma once

// What every benchmark needs: a configuration folder of its own, so that no
// real settings or scenarios are touched, and the median and worst of a set
// of timed runs, reported against a target.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace Bench {

// Points XDG_CONFIG_HOME at a fresh folder for as long as it lives.
class TemporaryConfig
{
public:
    TemporaryConfig()
    {
        if (m_folder.isValid())
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_folder.path()));
    }

    bool IsValid() const { return m_folder.isValid(); }

private:
    QTemporaryDir m_folder;
};

struct Timing
{
    double median;
    double worst;
    double best;
};

inline double ElapsedMilliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

inline Timing Summary(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back(), samples.front()};
}

// Times each of the given number of runs of work, in milliseconds.
inline Timing Measure(int runs, const std::function<void()>& work)
{
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(ElapsedMilliseconds(timer));
    }
    return Summary(std::move(samples));
}

inline bool Met(double milliseconds, double target)
{
    return milliseconds < target;
}

// The closing words of a report line: "(target under 50 ms: met)".
inline void PrintTarget(double milliseconds, double target)
{
    std::printf("(target under %.0f ms: %s)\n", target, Met(milliseconds, target) ? "met" : "MISSED");
}

} // namespace Bench

#pragma once

#include <benchmark/benchmark.h>

#include <QtGlobal>

#include <sys/resource.h>

// Loads, imports and Generate are measured twice. A cold benchmark runs
// once (Iterations(1)) and means something only as the first run of its
// process: scripts/bench.sh starts a fresh process for each of its runs. A
// warm one runs the work once, untimed, before its timed runs. Both report
// the page faults of a timed run.
enum class Start { Cold, Warm };

// Page faults of this process so far, minor and major.
inline qint64 pageFaults()
{
    rusage usage {};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return -1;
    return qint64(usage.ru_minflt) + qint64(usage.ru_majflt);
}

// Counts page faults from its making to report(), per iteration.
class FaultCounter
{
public:
    FaultCounter()
        : m_start(pageFaults())
    {
    }
    void report(benchmark::State& state) const
    {
        state.counters["page_faults"]
            = benchmark::Counter(double(pageFaults() - m_start), benchmark::Counter::kAvgIterations);
    }

private:
    qint64 m_start;
};

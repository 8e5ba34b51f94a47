#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

/** A console reporter that also keeps each run's CPU time per sample, by run
    name, for the summary table a benchmark prints after its runs. With
    repetitions the median replaces the single runs.
*/
class PerSampleReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns (const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns (runs);

        for (const auto& run : runs)
        {
            const bool isMedian = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";

            if ((run.run_type == Run::RT_Iteration && run.iterations > 0) || isMedian)
                nanosecondsPerSample[run.run_name.str()] = run.GetAdjustedCPUTime() / getBlockLength (run.run_name.str());
        }
    }

protected:
    /** The number of samples one iteration of the named run processes. */
    virtual double getBlockLength (const std::string& runName) const = 0;

    /** The time per sample of a run, or 0 when it did not run. */
    double find (const std::string& runName) const
    {
        const auto found = nanosecondsPerSample.find (runName);
        return found != nanosecondsPerSample.end() ? found->second : 0.0;
    }

    std::map<std::string, double> nanosecondsPerSample;
};

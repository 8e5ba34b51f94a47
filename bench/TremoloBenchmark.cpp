// Per-sample cost of the three tremolo modules, mono and stereo, beside a
// floor loop over the same buffers: one cosf and a few double multiply-adds
// per sample. After the run a table gives each module's cost over the floor's
// and over the triangle module's in the same configuration.

#include "DizadiSineWave.h"
#include "DizadiSquareWave.h"
#include "DizadiTriangleWave.h"
#include "PerSampleReporter.h"

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace
{
    constexpr double sampleRate = 48000.0;
    constexpr int blockLengths[] = { 64, 512 };
    enum { stereoModeIndex = 1 };

    /** Two channels of a test signal that every iteration starts from again,
        so that repeated processing never drifts into denormals. */
    struct TestBlock
    {
        explicit TestBlock (int numSamples)
            : sourceL ((size_t) numSamples), sourceR ((size_t) numSamples),
              left ((size_t) numSamples), right ((size_t) numSamples)
        {
            for (int i = 0; i < numSamples; ++i)
            {
                sourceL[(size_t) i] = (float) (0.5 * std::sin (0.05 * i));
                sourceR[(size_t) i] = (float) (0.5 * std::cos (0.03 * i));
            }
        }

        void refill (bool stereo)
        {
            std::memcpy (left.data(), sourceL.data(), left.size() * sizeof (float));

            if (stereo)
                std::memcpy (right.data(), sourceR.data(), right.size() * sizeof (float));
        }

        std::vector<float> sourceL, sourceR, left, right;
    };

    /** The floor: per sample one float cosine for the LFO, and per channel a
        one-pole step and the depth mix in double. */
    struct FloorLoop
    {
        void process (float* samples, int numSamples)
        {
            for (int i = 0; i < numSamples; ++i)
            {
                const double m = nextLfoValue();
                samples[i] = (float) step (samples[i], stateL, m);
            }
        }

        void process (float* left, float* right, int numSamples)
        {
            for (int i = 0; i < numSamples; ++i)
            {
                const double m = nextLfoValue();
                left[i] = (float) step (left[i], stateL, m);
                right[i] = (float) step (right[i], stateR, 1.0 - m);
            }
        }

        double nextLfoValue() noexcept
        {
            const float c = cosf (6.2831855f * phase);
            phase += increment;

            if (phase >= 1.0f)
                phase -= 1.0f;

            return (double) c;
        }

        double step (double x, double& state, double m) const noexcept
        {
            const double v = (g * x + state) * norm;
            state = (x - v) * g + v;
            x -= v;
            return x * (1.0 - depth) + (x * m) * depth;
        }

        float phase = 0.0f;
        float increment = (float) (6.0 / sampleRate);
        double g = std::tan (3.141592653589793 * 33.0 / sampleRate);
        double norm = 1.0 / (1.0 + g);
        double depth = 0.5;
        double stateL = 0.0, stateR = 0.0;
    };

    template <typename Processor>
    void runBlocks (benchmark::State& state, Processor& processor, bool stereo)
    {
        const int numSamples = (int) state.range (0);
        TestBlock block (numSamples);

        for (auto _ : state)
        {
            block.refill (stereo);

            if (stereo)
                processor.process (block.left.data(), block.right.data(), numSamples);
            else
                processor.process (block.left.data(), numSamples);

            benchmark::DoNotOptimize (block.left.data());
            benchmark::DoNotOptimize (block.right.data());
            benchmark::ClobberMemory();
        }

        state.SetItemsProcessed (state.iterations() * numSamples);
    }

    template <typename Module>
    void benchmarkModule (benchmark::State& state, bool stereo)
    {
        Module module;
        module.setParameter (stereoModeIndex, stereo ? 1.0f : 0.0f);
        module.setSampleRate ((float) sampleRate);
        module.setExpectedSampleFrame (blockLengths[1]);
        module.forceCalcParams();
        runBlocks (state, module, stereo);
    }

    void benchmarkFloor (benchmark::State& state, bool stereo)
    {
        FloorLoop floorLoop;
        runBlocks (state, floorLoop, stereo);
    }

    /** Prints each module's time per sample against the floor's and against
        the triangle module's, measured in the same run. */
    class RatioReporter : public PerSampleReporter
    {
    public:
        void printRatios() const
        {
            std::printf ("\n%-34s %12s %12s %8s %12s\n", "module", "ns/sample", "floor ns", "ratio", "vs triangle");

            for (const auto& [name, nanoseconds] : nanosecondsPerSample)
            {
                if (name.rfind ("Floor", 0) == 0)
                    continue;

                // "Sine/stereo/512" is measured against "Floor/stereo/512"
                // and "Triangle/stereo/512".
                const auto configuration = name.substr (name.find ('/'));
                const auto floor = find ("Floor" + configuration);
                const auto triangle = find ("Triangle" + configuration);

                if (floor > 0.0 && triangle > 0.0)
                    std::printf ("%-34s %12.3f %12.3f %8.2f %12.2f\n", name.c_str(), nanoseconds,
                                 floor, nanoseconds / floor, nanoseconds / triangle);
            }
        }

    private:
        /** The block length is the last part of a name such as "Sine/stereo/512". */
        double getBlockLength (const std::string& name) const override
        {
            return std::stod (name.substr (name.rfind ('/') + 1));
        }
    };

    template <typename Function>
    void registerBenchmark (const std::string& name, Function function, bool stereo)
    {
        for (int numSamples : blockLengths)
        {
            benchmark::RegisterBenchmark ((name + (stereo ? "/stereo" : "/mono")).c_str(),
                                          [function, stereo] (benchmark::State& state) { function (state, stereo); })
                ->Arg (numSamples);
        }
    }
}

int main (int argc, char** argv)
{
    // The modules' broadcasters need a message manager.
    juce::ScopedJuceInitialiser_GUI juceInitialiser;

    for (bool stereo : { false, true })
    {
        registerBenchmark ("Floor", benchmarkFloor, stereo);
        registerBenchmark ("Sine", benchmarkModule<DizadiSineWave>, stereo);
        registerBenchmark ("Square", benchmarkModule<DizadiSquareWave>, stereo);
        registerBenchmark ("Triangle", benchmarkModule<DizadiTriangleWave>, stereo);
    }

    benchmark::Initialize (&argc, argv);

    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks (&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}

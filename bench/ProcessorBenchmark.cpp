// Per-sample cost of the processor's processBlock at 48 kHz, stereo, 256-sample
// blocks, per wave type and during a type crossfade, beside the module it runs
// alone and a floor loop that only refills the block. After the run a table
// gives each processor's overhead over its module.

#include "LumiverPX2741AudioProcessor.h"
#include "PerSampleReporter.h"

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

// The benchmark links the processor without any editor.
juce::AudioProcessorEditor* LumiverPX2741AudioProcessor::createEditor()
{
    return nullptr;
}

namespace
{
    constexpr double sampleRate = 48000.0;
    constexpr int blockLength = 256;
    const char* const typeNames[] = { "Sine", "Square", "Triangle" };

    /** A stereo test block that every iteration starts from again. */
    struct TestBlock
    {
        TestBlock() : source (2, blockLength), buffer (2, blockLength)
        {
            for (int i = 0; i < blockLength; ++i)
            {
                source.setSample (0, i, (float) (0.5 * std::sin (0.05 * i)));
                source.setSample (1, i, (float) (0.5 * std::cos (0.03 * i)));
            }
        }

        void refill()
        {
            buffer.copyFrom (0, 0, source, 0, 0, blockLength);
            buffer.copyFrom (1, 0, source, 1, 0, blockLength);
        }

        juce::AudioBuffer<float> source, buffer;
    };

    template <typename Body>
    void run (benchmark::State& state, Body body)
    {
        TestBlock block;

        for (auto _ : state)
        {
            block.refill();
            body (block.buffer);
            benchmark::DoNotOptimize (block.buffer.getReadPointer (0));
            benchmark::ClobberMemory();
        }

        state.SetItemsProcessed (state.iterations() * blockLength);
    }

    void floorLoop (benchmark::State& state)
    {
        run (state, [] (juce::AudioBuffer<float>&) {});
    }

    void moduleAlone (benchmark::State& state, int type)
    {
        LumiverPX2741AudioProcessor owner;
        owner.prepareToPlay (sampleRate, blockLength);
        ModuleModel* modules[] = { &owner.sineWave, &owner.squareWave, &owner.triangleWave };
        auto* module = modules[type];

        run (state, [module] (juce::AudioBuffer<float>& buffer)
        {
            module->process (buffer.getWritePointer (0), buffer.getWritePointer (1), blockLength);
        });
    }

    void processor (benchmark::State& state, int type)
    {
        LumiverPX2741AudioProcessor processor;
        processor.setParameter (1, 0.5f * (float) type);
        processor.prepareToPlay (sampleRate, blockLength);
        juce::MidiBuffer midi;

        run (state, [&] (juce::AudioBuffer<float>& buffer) { processor.processBlock (buffer, midi); });
    }

    /** A type crossfade all the time: each one ends after 2048 samples, and the
        next starts at once, from the type now heard to the following one. */
    void crossfade (benchmark::State& state, int type)
    {
        LumiverPX2741AudioProcessor processor;
        processor.setParameter (1, 0.5f * (float) type);
        processor.prepareToPlay (sampleRate, blockLength);
        juce::MidiBuffer midi;

        run (state, [&] (juce::AudioBuffer<float>& buffer)
        {
            if (! processor.typeFadeActive && ! processor.typeChangePending)
            {
                processor.requestedType = (processor.currentType + 1) % 3;
                processor.typeChangePending = true;
            }

            processor.processBlock (buffer, midi);
        });
    }

    /** Prints each processor's cost against its module's. */
    class OverheadReporter : public PerSampleReporter
    {
    public:
        void printOverheads() const
        {
            std::printf ("\n%-12s %12s %14s %10s %16s %10s\n", "type", "module ns", "processor ns", "overhead",
                         "crossfade ns", "vs module");

            for (const auto* name : typeNames)
            {
                const auto module = find (std::string ("Module/") + name);
                const auto steady = find (std::string ("Processor/") + name);
                const auto fading = find (std::string ("Crossfade/") + name);

                if (module > 0.0 && steady > 0.0)
                    std::printf ("%-12s %12.3f %14.3f %9.1f%% %16.3f %9.2fx\n", name, module, steady,
                                 100.0 * (steady / module - 1.0), fading, fading / module);
            }

            std::printf ("floor (refill only): %.3f ns/sample\n", find ("Floor"));
        }

    private:
        double getBlockLength (const std::string&) const override { return blockLength; }
    };
}

int main (int argc, char** argv)
{
    // The modules' broadcasters and the processor's timer need a message manager.
    juce::ScopedJuceInitialiser_GUI juceInitialiser;

    benchmark::RegisterBenchmark ("Floor", floorLoop);

    for (int type = 0; type < 3; ++type)
    {
        const std::string name = typeNames[type];
        benchmark::RegisterBenchmark (("Module/" + name).c_str(), [type] (benchmark::State& s) { moduleAlone (s, type); });
        benchmark::RegisterBenchmark (("Processor/" + name).c_str(), [type] (benchmark::State& s) { processor (s, type); });
        benchmark::RegisterBenchmark (("Crossfade/" + name).c_str(), [type] (benchmark::State& s) { crossfade (s, type); });
    }

    benchmark::Initialize (&argc, argv);

    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;

    OverheadReporter reporter;
    benchmark::RunSpecifiedBenchmarks (&reporter);
    reporter.printOverheads();
    benchmark::Shutdown();
    return 0;
}

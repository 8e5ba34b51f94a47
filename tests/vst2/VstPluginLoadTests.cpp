#include "FixedTempoPlayHead.h"
#include "LumiverPX2741AudioProcessor.h"
#include "PluginWindowLayout.h"
#include "StandInHost.h"
#include "VstOpcodes.h"
#include "VstRecords.h"
#include "X11HostWindow.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <dlfcn.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

// These tests load the built LumiverPX2741.so as a Linux host would and
// drive it through its entry point and record only.

namespace
{
    using EntryPoint = AEffect* (*) (HostCallback);

    constexpr double testSampleRate = 44100.0;
    constexpr int testBlockSize = 512;
    constexpr double testTempo = 120.0;

    /** The loaded shared object, opened once for all tests. */
    class LoadedPlugin
    {
    public:
        static LoadedPlugin& get()
        {
            static LoadedPlugin plugin;
            return plugin;
        }

        void* handle = nullptr;
        EntryPoint vstPluginMain = nullptr;
        EntryPoint main = nullptr;

    private:
        LoadedPlugin()
        {
            handle = dlopen (LUMIVER_VST2_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);

            if (handle != nullptr)
            {
                vstPluginMain = reinterpret_cast<EntryPoint> (dlsym (handle, "VSTPluginMain"));
                main = reinterpret_cast<EntryPoint> (dlsym (handle, "main"));
            }
        }
    };

    /** One instance made through the entry point and closed at the end. */
    class PluginInstance
    {
    public:
        explicit PluginInstance (EntryPoint entryPoint)
            : effect (entryPoint != nullptr ? entryPoint (StandInHost::callback) : nullptr) {}

        ~PluginInstance()
        {
            if (effect != nullptr)
                close();
        }

        int64_t dispatch (int32_t opcode, int32_t index = 0, int64_t value = 0, void* ptr = nullptr, float opt = 0.0f)
        {
            return effect->dispatcherEntry (effect, opcode, index, value, ptr, opt);
        }

        int64_t close()
        {
            const auto result = dispatch (EffectOpcode::close);
            effect = nullptr;
            return result;
        }

        void start()
        {
            dispatch (EffectOpcode::open);
            dispatch (EffectOpcode::setSampleRate, 0, 0, nullptr, (float) testSampleRate);
            dispatch (EffectOpcode::setBlockSize, 0, testBlockSize);
            dispatch (EffectOpcode::mainsChanged, 0, 1);
        }

        std::string text (int32_t opcode, int32_t index)
        {
            char buffer[128] = {};
            dispatch (opcode, index, 0, buffer);
            return buffer;
        }

        AEffect* effect;
    };

    /** A stereo test signal: two sines of different pitch. */
    void fillSignal (std::vector<float>& left, std::vector<float>& right, int startSample)
    {
        for (size_t i = 0; i < left.size(); ++i)
        {
            const auto t = (double) (startSample + (int) i) / testSampleRate;
            left[i] = (float) (0.5 * std::sin (2.0 * juce::MathConstants<double>::pi * 440.0 * t));
            right[i] = (float) (0.5 * std::sin (2.0 * juce::MathConstants<double>::pi * 330.0 * t));
        }
    }

    /** The number of threads this process runs. */
    int countThreads()
    {
        return juce::File ("/proc/self/task").getNumberOfChildFiles (juce::File::findDirectories);
    }

    void setUpHostTime (StandInHost& host)
    {
        host.timeInfo.sampleRate = testSampleRate;
        host.timeInfo.tempo = testTempo;
        host.timeInfo.flags = VstTimeInfo::tempoValid | VstTimeInfo::transportPlaying;
    }
}

//==============================================================================
TEST (VstPluginLoad, ExportsBothEntryPoints)
{
    auto& plugin = LoadedPlugin::get();
    ASSERT_NE (plugin.handle, nullptr) << dlerror();
    EXPECT_NE (plugin.vstPluginMain, nullptr);
    EXPECT_NE (plugin.main, nullptr);

    StandInHost host;
    EXPECT_EQ (plugin.vstPluginMain (nullptr), nullptr);

    PluginInstance viaMain (plugin.main);
    ASSERT_NE (viaMain.effect, nullptr);
    EXPECT_EQ (viaMain.effect->magic, 0x56737450);
}

TEST (VstPluginLoad, RecordDescribesTheProduct)
{
    StandInHost host;
    PluginInstance instance (LoadedPlugin::get().vstPluginMain);
    ASSERT_NE (instance.effect, nullptr);
    auto* effect = instance.effect;

    EXPECT_EQ (effect->uniqueID, 0x56707834);
    EXPECT_EQ (effect->version, 101);
    EXPECT_EQ (effect->numPrograms, 12);
    EXPECT_EQ (effect->numParams, 9);
    EXPECT_EQ (effect->numInputs, 2);
    EXPECT_EQ (effect->numOutputs, 2);
    EXPECT_EQ (effect->flags & (EffectFlags::hasEditor | EffectFlags::canReplacing | EffectFlags::programChunks
                                  | EffectFlags::isSynth),
               EffectFlags::hasEditor | EffectFlags::canReplacing | EffectFlags::programChunks);

    EXPECT_EQ (instance.text (EffectOpcode::getEffectName, 0), "Lumiver PX2741");
    EXPECT_EQ (instance.text (EffectOpcode::getVendorString, 0), "Vardun");
    EXPECT_EQ (instance.dispatch (EffectOpcode::getPlugCategory), 1);
}

TEST (VstPluginLoad, ParameterNamesTextsAndDefaultsAsTheHostSeesThem)
{
    StandInHost host;
    PluginInstance instance (LoadedPlugin::get().vstPluginMain);
    ASSERT_NE (instance.effect, nullptr);

    // Fixed texts, so that a length limit that cuts them shows.
    const struct { const char* name; const char* display; float value; } parameters[] = {
        { "onBypass", "On", 1.0f }, { "tremoloType", "Type 1", 0.0f }, { "rate", "5.00", 0.5f },
        { "rateSync", "5.00", 0.5f }, { "shape", "5.00", 0.5f }, { "depth", "5.00", 0.5f },
        { "level", "5.00", 0.5f }, { "stereo", "Off", 0.0f }, { "sync", "Off", 0.0f },
    };

    for (int32_t index = 0; index < 9; ++index)
    {
        EXPECT_EQ (instance.text (EffectOpcode::getParameterName, index), parameters[index].name);
        EXPECT_EQ (instance.text (EffectOpcode::getParameterDisplay, index), parameters[index].display);
        EXPECT_EQ (instance.effect->getParameterEntry (instance.effect, index), parameters[index].value);
    }

    EXPECT_EQ (instance.text (EffectOpcode::getParameterName, 9), "");
    EXPECT_EQ (instance.text (EffectOpcode::getParameterName, -1), "");
}

TEST (VstPluginLoad, OutputIsTheTremoloOfTheProcessorRunDirectly)
{
    StandInHost host;
    setUpHostTime (host);
    PluginInstance instance (LoadedPlugin::get().vstPluginMain);
    ASSERT_NE (instance.effect, nullptr);

    // Full depth, so that the modulation is plain to see.
    constexpr int depthIndex = 5;
    instance.effect->setParameterEntry (instance.effect, depthIndex, 1.0f);
    instance.start();

    LumiverPX2741AudioProcessor direct;
    FixedTempoPlayHead playHead (testTempo);
    direct.setPlayHead (&playHead);
    direct.setParameter (depthIndex, 1.0f);
    direct.setRateAndBufferSizeDetails (testSampleRate, testBlockSize);
    direct.prepareToPlay (testSampleRate, testBlockSize);

    std::vector<float> left (testBlockSize), right (testBlockSize);
    std::vector<float> directLeft (testBlockSize), directRight (testBlockSize);
    juce::MidiBuffer midi;
    float maxDifference = 0.0f;
    float minGain = 1.0f, maxGain = 0.0f;
    constexpr int numBlocks = 200;   // a little over two seconds

    for (int block = 0; block < numBlocks; ++block)
    {
        fillSignal (left, right, block * testBlockSize);
        directLeft = left;
        directRight = right;
        const auto inputLeft = left;

        float* channels[] = { left.data(), right.data() };
        instance.effect->processReplacingEntry (instance.effect, channels, channels, testBlockSize);

        float* directChannels[] = { directLeft.data(), directRight.data() };
        juce::AudioBuffer<float> buffer (directChannels, 2, testBlockSize);
        direct.processBlock (buffer, midi);

        for (int i = 0; i < testBlockSize; ++i)
        {
            maxDifference = std::max ({ maxDifference, std::abs (left[(size_t) i] - directLeft[(size_t) i]),
                                        std::abs (right[(size_t) i] - directRight[(size_t) i]) });

            if (block > numBlocks / 2 && std::abs (inputLeft[(size_t) i]) > 0.4f)
            {
                const auto gain = left[(size_t) i] / inputLeft[(size_t) i];
                minGain = std::min (minGain, gain);
                maxGain = std::max (maxGain, gain);
            }
        }
    }

    EXPECT_LE (maxDifference, 1.0e-6f);
    EXPECT_GT (maxGain - minGain, 0.3f) << "the output is not modulated";
}

TEST (VstPluginLoad, StateSurvivesAChunkRoundTripIntoASecondInstance)
{
    StandInHost host;
    std::vector<char> fullState, programState;
    constexpr int depthIndex = 5;

    {
        PluginInstance first (LoadedPlugin::get().vstPluginMain);
        ASSERT_NE (first.effect, nullptr);
        first.dispatch (EffectOpcode::setProgram, 0, 3);
        first.effect->setParameterEntry (first.effect, depthIndex, 0.3f);

        void* data = nullptr;
        const auto size = first.dispatch (EffectOpcode::getChunk, 0, 0, &data);
        ASSERT_GT (size, 0);
        fullState.assign (static_cast<char*> (data), static_cast<char*> (data) + size);

        const auto programSize = first.dispatch (EffectOpcode::getChunk, 1, 0, &data);
        ASSERT_GT (programSize, 0);
        programState.assign (static_cast<char*> (data), static_cast<char*> (data) + programSize);
        EXPECT_NE (programState, fullState);
    }

    PluginInstance second (LoadedPlugin::get().vstPluginMain);
    ASSERT_NE (second.effect, nullptr);
    EXPECT_EQ (second.dispatch (EffectOpcode::getProgram), 0);

    second.dispatch (EffectOpcode::setChunk, 0, (int64_t) fullState.size(), fullState.data());
    EXPECT_EQ (second.dispatch (EffectOpcode::getProgram), 3);
    EXPECT_FLOAT_EQ (second.effect->getParameterEntry (second.effect, depthIndex), 0.3f);

    // The one-program document goes into the current program.
    second.dispatch (EffectOpcode::setProgram, 0, 5);
    second.dispatch (EffectOpcode::setChunk, 1, (int64_t) programState.size(), programState.data());
    EXPECT_FLOAT_EQ (second.effect->getParameterEntry (second.effect, depthIndex), 0.3f);
}

TEST (VstPluginLoad, BadHostInputIsSurvived)
{
    StandInHost host;
    setUpHostTime (host);
    PluginInstance instance (LoadedPlugin::get().vstPluginMain);
    ASSERT_NE (instance.effect, nullptr);
    auto* effect = instance.effect;

    std::vector<float> left (4 * testBlockSize, 0.25f), right (4 * testBlockSize, 0.25f);
    float* channels[] = { left.data(), right.data() };

    // Before resume: silence.
    effect->processReplacingEntry (effect, channels, channels, testBlockSize);
    EXPECT_EQ (left[0], 0.0f);

    std::mt19937 random (11);
    std::vector<char> noise (2048);
    for (auto& byte : noise)
        byte = (char) random();

    instance.dispatch (EffectOpcode::setChunk, 0, (int64_t) noise.size(), noise.data());
    instance.dispatch (EffectOpcode::setChunk, 1, (int64_t) noise.size(), noise.data());
    instance.dispatch (EffectOpcode::setChunk, 0, 0, noise.data());
    instance.dispatch (EffectOpcode::setChunk, 0, 64, nullptr);
    instance.dispatch (EffectOpcode::getChunk, 0, 0, nullptr);
    instance.dispatch (EffectOpcode::setProgram, 0, -1);
    instance.dispatch (EffectOpcode::setProgram, 0, 12);
    instance.dispatch (EffectOpcode::getProgramName, 0, 0, nullptr);
    instance.dispatch (EffectOpcode::getParameterDisplay, 1000, 0, nullptr);
    instance.dispatch (EffectOpcode::canDo, 0, 0, nullptr);
    effect->setParameterEntry (effect, 99, 0.5f);
    effect->setParameterEntry (effect, 0, std::numeric_limits<float>::quiet_NaN());

    EXPECT_GE (instance.dispatch (EffectOpcode::getProgram), 0);
    EXPECT_LT (instance.dispatch (EffectOpcode::getProgram), 12);

    instance.start();

    // A block four times the announced size, with a missing output channel.
    std::fill (left.begin(), left.end(), 0.25f);
    float* outputs[] = { left.data(), nullptr };
    effect->processReplacingEntry (effect, channels, outputs, (int32_t) left.size());

    for (auto sample : left)
        ASSERT_TRUE (std::isfinite (sample));
}

TEST (VstPluginLoad, CloseDeletesTheInstance)
{
    const auto threadsBefore = countThreads();

    {
        StandInHost host;
        PluginInstance instance (LoadedPlugin::get().vstPluginMain);
        ASSERT_NE (instance.effect, nullptr);
        instance.start();

        // While an instance lives, its framework runs a message thread of its own.
        EXPECT_GT (countThreads(), threadsBefore);
        EXPECT_EQ (instance.close(), 1);
    }

    // Deleting the last instance shuts its framework down, threads and all.
    EXPECT_EQ (countThreads(), threadsBefore);
}

TEST (VstPluginEditor, OpensInsideTheHostsWindow)
{
    using namespace PluginWindowLayout;

    if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "no X display";

    X11HostWindow hostWindow;
    ASSERT_TRUE (hostWindow.isOpen()) << "cannot connect to X display "
                                      << juce::SystemStats::getEnvironmentVariable ("DISPLAY", {});

    StandInHost host;
    PluginInstance instance (LoadedPlugin::get().vstPluginMain);
    ASSERT_NE (instance.effect, nullptr);

    auto* parent = hostWindow.getNativeHandle();

    ERect* rect = nullptr;
    ASSERT_EQ (instance.dispatch (EffectOpcode::editorGetRect, 0, 0, &rect), 1);
    ASSERT_NE (rect, nullptr);
    EXPECT_EQ (rect->right - rect->left, width);
    EXPECT_EQ (rect->bottom - rect->top, height);

    EXPECT_EQ (instance.dispatch (EffectOpcode::editorOpen, 0, 0, parent), 1);

    for (int i = 0; i < 5; ++i)
        instance.dispatch (EffectOpcode::editorIdle);

    // The editor's window is now a child of the host's.
    EXPECT_EQ (hostWindow.countChildren(), 1u);

    // A host drives an open editor by calling idle again and again.
    const auto idle = [&instance]
    {
        instance.dispatch (EffectOpcode::editorIdle);
        juce::Thread::sleep (1);
    };

    auto& reader = hostWindow.getReader();
    X11WindowReader::WindowId view = 0;
    ASSERT_TRUE (WindowPixels::runUntil (idle, [&]
    {
        view = reader.findDrawingWindow (hostWindow.getWindowId(), width, height);
        return view != 0;
    }, windowTimeoutMs));

    reader.clearForItsClient (view);

    const auto before = WindowPixels::settledPicture (reader, view, idle, windowTimeoutMs);
    ASSERT_TRUE (before.isValid());

    // Automation from the host moves the depth knob.
    instance.effect->setParameterEntry (instance.effect, depthIndex, 1.0f);
    EXPECT_TRUE (WindowPixels::runUntil (idle, [&] { return WindowPixels::differInside (before, reader.grab (view), depthKnob); },
                                         windowTimeoutMs));

    const auto after = WindowPixels::settledPicture (reader, view, idle, windowTimeoutMs);
    EXPECT_TRUE (WindowPixels::differInside (before, after, depthKnob));
    EXPECT_FALSE (WindowPixels::differOutside (before, after, { depthKnob, presetStrip }));

    EXPECT_EQ (instance.dispatch (EffectOpcode::editorClose), 0);
    EXPECT_FALSE (reader.exists (view));
    EXPECT_EQ (instance.dispatch (EffectOpcode::editorOpen, 0, 0, nullptr), 0);
}

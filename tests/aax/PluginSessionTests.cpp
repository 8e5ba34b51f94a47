#include "AAX_CChunkDataParser.h"
#include "AAX_CString.h"
#include "AAX_Exports.h"
#include "AAX_IACFEffectGUI.h"
#include "AAX_UIDs.h"
#include "ChunkRecord.h"
#include "FakeHostInterfaces.h"
#include "FixedTempoPlayHead.h"
#include "LumiverPX2741AudioProcessor.h"
#include "PluginWindowLayout.h"
#include "StandInSession.h"
#include "X11HostWindow.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <thread>
#include <utility>

// The built LumiverPX2741.aaxplugin, loaded as an AAX host loads it and driven by the
// stand-in host through its entry points and the objects they lead to.

using fakehost::Host;
using standin::EffectInstance;

namespace
{
    constexpr double testSampleRate = 44100.0;
    constexpr int testBlockSize = 512;
    constexpr double testTempo = 120.0;
    constexpr AAX_CTypeID controlsChunk = 0x656C636B;
    constexpr AAX_CTypeID stateChunk = 0x6A756365;
    constexpr const char* bypassID = "MasterBypassID";

    void* loadedPlugin()
    {
        static void* const plugin = dlopen (LUMIVER_AAX_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
        return plugin;
    }

    template <typename Function>
    Function entryPoint (const char* name)
    {
        return loadedPlugin() != nullptr ? reinterpret_cast<Function> (dlsym (loadedPlugin(), name)) : nullptr;
    }

    int countThreads()
    {
        return juce::File ("/proc/self/task").getNumberOfChildFiles (juce::File::findDirectories);
    }

    std::vector<char> bytesOf (const juce::MemoryBlock& block)
    {
        return { (const char*) block.getData(), (const char*) block.getData() + block.getSize() };
    }

    /** Runs a component's process routine for one instance as the host does; ports and
        private blocks hold the last packet posted to them. */
    void runAlgorithm (Host& host, const fakehost::DescribedComponent& component,
                       std::vector<float*> inputs, std::vector<float*> outputs, int32_t numSamples)
    {
        using Kind = fakehost::DescribedComponent::FieldKind;
        std::vector<void*> record ((size_t) component.fields.rbegin()->first + 1);
        std::vector<std::vector<char>> storage;
        storage.reserve (record.size());

        for (auto& [index, field] : component.fields)
        {
            auto& slot = record[(size_t) index];

            if (field.kind == Kind::audioIn || field.kind == Kind::audioOut)
                slot = (field.kind == Kind::audioIn ? inputs : outputs).data();
            else if (field.kind == Kind::bufferLength)
                slot = &numSamples;
            else
            {
                auto& bytes = storage.emplace_back (host.packets[index]);
                bytes.resize (field.size);
                slot = bytes.data();
            }
        }

        void* instances[] = { record.data() };
        component.process (instances, instances + 1);
    }

    /** A registered plug-in for each test, unloadable again at its end. */
    class PluginSession : public testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_NE (loadedPlugin(), nullptr) << dlerror();
            ASSERT_EQ (entryPoint<decltype (&ACFStartup)> ("ACFStartup") (registry.unknown()), AAX_SUCCESS);
            ASSERT_EQ (entryPoint<decltype (&ACFRegisterPlugin)> ("ACFRegisterPlugin") (registry.unknown(), &definition), AAX_SUCCESS);
            ASSERT_EQ (registry.components.size(), 3u);
        }

        void TearDown() override
        {
            if (definition != nullptr)
                definition->Release();

            EXPECT_EQ (entryPoint<decltype (&ACFShutdown)> ("ACFShutdown") (nullptr), AAX_SUCCESS);
            EXPECT_EQ (entryPoint<decltype (&ACFCanUnloadNow)> ("ACFCanUnloadNow") (nullptr), 0) << "an object of the plug-in is still alive";
            EXPECT_EQ (registry.unbalancedInterfaces(), std::vector<std::string>());
        }

        IACFUnknown* create (AAX_CProcPtrID selector)
        {
            auto* function = reinterpret_cast<AAX_CCreateObjectProc> (registry.procPointers[selector]);
            return function != nullptr ? function() : nullptr;
        }

        /** An effect-parameters object for a host that answers with the session's values. */
        EffectInstance makeEffect (Host& host, AAX_EStemFormat input = AAX_eStemFormat_Stereo)
        {
            host.answers = fakehost::SessionAnswers { (float) testSampleRate, input, AAX_eStemFormat_Stereo, testTempo };
            return EffectInstance (host, create (AAX_ProcPtrID_Create_EffectParameters));
        }

        Host registry;
        IACFPluginDefinition* definition = nullptr;
    };
}

TEST_F (PluginSession, DescribesOneEffectWithThreeChannelLayoutsAndListsItsParameters)
{
    using Texts = std::vector<std::string>;
    const auto argumentsOf = [&] (const char* face, const char* operation)
    {
        Texts arguments;

        for (auto& call : registry.calls)
            if (call.interfaceName == face && call.operation == operation)
                arguments.insert (arguments.end(), call.arguments.begin(), call.arguments.end());

        return arguments;
    };

    EXPECT_EQ (argumentsOf ("effect-descriptor.v1", "AddName"), (Texts { "\"Lumiver PX2741\"", "\"Lumiver\"" }));
    EXPECT_EQ (argumentsOf ("effect-descriptor.v1", "AddCategory"), Texts { "64" });
    EXPECT_EQ (argumentsOf ("collection.v1", "SetManufacturerName"), Texts { "\"Vardun\"" });
    EXPECT_EQ (argumentsOf ("collection.v1", "SetPackageVersion"), Texts { "65537" });
    EXPECT_EQ (argumentsOf ("collection.v1", "AddEffect").front(), "\"com.vardun.LumiverPX2741\"");

    using Kind = fakehost::DescribedComponent::FieldKind;
    const AAX_EStemFormat stems[3][2] = { { 1, 1 }, { 1, 2 }, { 2, 2 } };

    for (int k = 0; k < 3; ++k)
    {
        const auto& described = registry.components[(size_t) k].second;
        const auto* properties = registry.propertiesOf (described.properties);
        ASSERT_NE (properties, nullptr);
        ASSERT_NE (described.process, nullptr);

        const std::map<AAX_EProperty, int32_t> expected = {
            { AAX_eProperty_ManufacturerID, 0x5652445F }, { AAX_eProperty_ProductID, 0x56707834 },
            { AAX_eProperty_PlugInID_Native, 0x6A636161 + k }, { AAX_eProperty_PlugInID_AudioSuite, 0x6A796161 + k },
            { AAX_eProperty_InputStemFormat, stems[k][0] }, { AAX_eProperty_OutputStemFormat, stems[k][1] },
            { AAX_eProperty_CanBypass, 1 },
        };
        EXPECT_EQ (*properties, expected) << "layout " << k;

        std::vector<Kind> kinds;

        for (auto& entry : described.fields)
            kinds.push_back (entry.second.kind);

        EXPECT_EQ (kinds, (std::vector<Kind> { Kind::audioIn, Kind::audioOut, Kind::bufferLength, Kind::dataPort, Kind::privateData }));
        EXPECT_EQ (described.fields.at (3).size, 4u) << "the bypass port takes an int32";
    }

    Host host;
    auto effect = makeEffect (host);
    ASSERT_EQ (effect.initializeResult, AAX_SUCCESS);
    const Texts parameters = { "0 onBypass 1.000", "1 tremoloType 0.000", "2 rate 0.500", "3 rateSync 0.500", "4 shape 0.500",
                               "5 depth 0.500", "6 level 0.500", "7 stereo 0.000", "8 sync 0.000", "MasterBypassID Master Bypass bypass" };
    int32_t count = 0;
    effect->GetNumberOfParameters (&count);
    Texts listed;

    for (int32_t index = 0; index < count; ++index)
    {
        AAX_CString identifier, name, text;
        effect->GetParameterIDFromIndex (index, &identifier);
        effect->GetParameterName (identifier.Get(), &name);
        effect->GetParameterValueString (identifier.Get(), &text, 32);
        listed.push_back (std::string (identifier.Get()) + " " + name.Get() + " " + text.Get());
    }

    EXPECT_EQ (listed, parameters);

    // A state from the processor with another depth: only that value is asked of the host.
    LumiverPX2741AudioProcessor direct;
    direct.setParameter (depthIndex, 0.25f);
    juce::MemoryBlock otherState;
    direct.getStateInformation (otherState);
    ASSERT_EQ (effect.restoreChunk (stateChunk, bytesOf (otherState)), AAX_SUCCESS);
    EXPECT_EQ (effect.answerRequests(), 1u);
    EXPECT_DOUBLE_EQ (effect.value ("5"), 0.25);
}

TEST_F (PluginSession, AudioIsTheProcessorsAndTheBypassPassesItUnchanged)
{
    // The stand-in host drives no message loop: while an instance lives the framework runs
    // a message thread of its own, and stops it with the instance.
    const auto threadsBefore = countThreads();

    // The last session changes its rate after the effect was made, and wakes it in its idle time.
    for (auto [input, layoutIndex, sessionRate] : { std::tuple { AAX_eStemFormat_Stereo, 2, testSampleRate },
                                                    { AAX_eStemFormat_Mono, 1, testSampleRate }, { AAX_eStemFormat_Stereo, 2, 48000.0 } })
    {
        Host host;
        auto effect = makeEffect (host, input);
        ASSERT_EQ (effect.initializeResult, AAX_SUCCESS);
        host.answers->sampleRate = (float) sessionRate;
        EXPECT_EQ (effect->TimerWakeup(), AAX_SUCCESS);
        EXPECT_GT (countThreads(), threadsBefore);
        const auto& layout = registry.components[(size_t) layoutIndex].second;

        FixedTempoPlayHead playHead { testTempo };
        LumiverPX2741AudioProcessor direct;
        juce::AudioProcessor::BusesLayout buses;
        buses.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (input));
        buses.outputBuses.add (juce::AudioChannelSet::stereo());
        direct.setBusesLayout (buses);
        direct.setPlayHead (&playHead);
        direct.setRateAndBufferSizeDetails (sessionRate, testBlockSize);
        direct.prepareToPlay (sessionRate, testBlockSize);
        direct.setParameter (depthIndex, 1.0f);
        effect.automate ("5", 1.0);
        EXPECT_EQ (effect->GenerateCoefficients(), Host::hostResult);

        std::vector<float> left (testBlockSize), right (testBlockSize), outLeft (testBlockSize), outRight (testBlockSize);
        std::vector<float*> inputs = { left.data(), right.data() }, outputs = { outLeft.data(), outRight.data() };
        inputs.resize ((size_t) input);
        juce::MidiBuffer midi;
        float maxDifference = 0.0f, maxChange = 0.0f;

        for (int block = 0; block < 200; ++block)
        {
            for (int i = 0; i < testBlockSize; ++i)
            {
                const auto phase = 2.0 * juce::MathConstants<double>::pi * (block * testBlockSize + i) / testSampleRate;
                left[(size_t) i] = (float) (0.5 * std::sin (440.0 * phase));
                right[(size_t) i] = (float) (0.5 * std::sin (330.0 * phase));
            }

            auto directLeft = left, directRight = input == AAX_eStemFormat_Mono ? std::vector<float> (left.size(), 9.0f) : right;
            runAlgorithm (host, layout, inputs, outputs, testBlockSize);
            float* directChannels[] = { directLeft.data(), directRight.data() };
            juce::AudioBuffer<float> buffer (directChannels, 2, testBlockSize);
            direct.processBlock (buffer, midi);

            for (size_t i = 0; i < (size_t) testBlockSize; ++i)
            {
                maxDifference = std::max ({ maxDifference, std::abs (outLeft[i] - directLeft[i]), std::abs (outRight[i] - directRight[i]) });
                maxChange = std::max (maxChange, block > 100 ? std::abs (outLeft[i] - left[i]) : 0.0f);
            }
        }

        EXPECT_LE (maxDifference, 1.0e-6f) << "layout " << layoutIndex;
        EXPECT_GT (maxChange, 0.2f) << "the output is not modulated";

        // The bypass packet: every output is the input, a mono input on both.
        for (double bypass : { 1.0, 0.0 })
        {
            effect->UpdateParameterNormalizedValue (bypassID, bypass, AAX_eUpdateSource_Unspecified);
            effect->GenerateCoefficients();
            runAlgorithm (host, layout, inputs, outputs, testBlockSize);
            EXPECT_EQ (outLeft == left && outRight == (input == AAX_eStemFormat_Mono ? left : right), bypass == 1.0) << bypass;
        }
    }

    EXPECT_EQ (countThreads(), threadsBefore);
}

TEST_F (PluginSession, BothChunksCarryTheStateIntoAnotherInstanceInEitherOrder)
{
    Host firstHost;
    auto first = makeEffect (firstHost);
    first.automate ("5", 1.0);
    first.automate ("2", 0.25);
    first.automate ("7", 1.0);
    const auto controls = first.saveChunk (controlsChunk);
    const auto state = first.saveChunk (stateChunk);
    AAX_CTypeID chunkAtIndexOne = 0;
    EXPECT_EQ (first->GetChunkIDFromIndex (1, &chunkAtIndexOne), AAX_SUCCESS);
    EXPECT_EQ (chunkAtIndexOne, stateChunk);

    for (bool controlsFirst : { true, false })
    {
        Host host;
        auto second = makeEffect (host);

        for (auto chunkID : { controlsFirst ? controlsChunk : stateChunk, controlsFirst ? stateChunk : controlsChunk })
        {
            EXPECT_EQ (second.restoreChunk (chunkID, chunkID == controlsChunk ? controls : state), AAX_SUCCESS);
            second.answerRequests();
        }

        for (auto* identifier : { "0", "1", "2", "3", "4", "5", "6", "7", "8", bypassID })
            EXPECT_EQ (second.value (identifier), first.value (identifier)) << identifier << " controls first " << controlsFirst;

        EXPECT_EQ (second.saveChunk (stateChunk), state);
        EXPECT_EQ (second.saveChunk (controlsChunk), controls);
    }
}

TEST_F (PluginSession, MutatedChunksAreReadWithinTheirRecordAndChangeNothingWhenRefused)
{
    Host host;
    auto effect = makeEffect (host);
    effect.automate ("5", 0.75);
    const auto controls = effect.saveChunk (controlsChunk);
    const auto state = effect.saveChunk (stateChunk);

    // A few bytes changed, now and then cut short or run on with noise.
    std::mt19937 random (2741);
    const auto mutate = [&] (std::vector<char> data)
    {
        for (unsigned k = 0, numChanges = 1 + random() % 4; k < numChanges && ! data.empty(); ++k)
            data[random() % data.size()] = (char) random();

        if (random() % 4 == 0)
            data.resize (random() % (data.size() + 1));
        else if (random() % 8 == 0)
            for (int k = 0; k < 16; ++k)
                data.push_back ((char) random());

        return data;
    };

    // An entry that ends before the first changed byte is intact and is restored, whatever
    // follows it: the chunk holds four marker bytes, then twelve per parameter.
    std::vector<double> savedValues;

    for (int index = 0; index < 9; ++index)
        savedValues.push_back (effect.value (std::to_string (index).c_str()));

    for (int round = 0; round < 2000; ++round)
    {
        const auto mutated = mutate (controls);
        const auto numIntact = (std::mismatch (controls.begin(), controls.end(), mutated.begin(), mutated.end()).first - controls.begin() - 4) / 12;
        AAX_CChunkDataParser expected;
        expected.LoadChunk (ChunkRecord::withData (mutated, controlsChunk).get());

        for (int index = 0; index < 9; ++index)
            effect->UpdateParameterNormalizedValue (std::to_string (index).c_str(), 0.125, AAX_eUpdateSource_Unspecified);

        host.setRequests.clear();
        ASSERT_EQ (effect.restoreChunk (controlsChunk, mutated), AAX_SUCCESS);
        ASSERT_FALSE (expected.GetNumberOfItems() == 0 && ! host.setRequests.empty()) << "a refused chunk changed a value, round " << round;

        for (auto& [identifier, value] : host.setRequests)
            ASSERT_TRUE (value >= 0.0 && value <= 1.0) << identifier << " " << value;

        effect.answerRequests();

        for (int index = 0; index < numIntact; ++index)
            ASSERT_EQ (effect.value (std::to_string (index).c_str()), savedValues[(size_t) index]) << "intact entry lost, round " << round;
    }

    // The processor reads exactly what the host gave, as one run directly does; a state it
    // refuses changes nothing.
    LumiverPX2741AudioProcessor reference;
    ASSERT_EQ (effect.restoreChunk (stateChunk, state), AAX_SUCCESS);
    reference.setStateInformation (state.data(), (int) state.size());

    for (int round = 0; round < 2000; ++round)
    {
        const auto mutated = mutate (state);
        ASSERT_EQ (effect.restoreChunk (stateChunk, mutated), mutated.empty() ? AAX_ERROR_INCORRECT_CHUNK_SIZE : AAX_SUCCESS);

        if (! mutated.empty())
            reference.setStateInformation (mutated.data(), (int) mutated.size());

        juce::MemoryBlock expected;
        reference.getStateInformation (expected);
        ASSERT_EQ (effect.saveChunk (stateChunk), bytesOf (expected)) << "round " << round;
    }

    // A record whose size field the host left at 0 is written and the field filled in; one
    // that says it is smaller than the data is refused, and so is one without data.
    for (auto chunkID : { controlsChunk, stateChunk })
    {
        uint32_t size = 0;
        EXPECT_EQ (effect->GetChunkSize (chunkID, &size), AAX_SUCCESS);
        ChunkRecord unsized (size, chunkID), shorter (size - 1, chunkID);
        unsized->fSize = 0;
        EXPECT_EQ (effect->GetChunk (chunkID, unsized.get()), AAX_SUCCESS);
        EXPECT_EQ (effect->GetChunk (chunkID, shorter.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
        EXPECT_EQ (unsized.dataBytes(), effect.saveChunk (chunkID));
    }

    // Such a record has the room its caller was told, however much another thread was
    // told since: here the state has grown by a restore with longer preset paths.
    LumiverPX2741AudioProcessor longerPaths;
    longerPaths.setPresetPath (0, 0, juce::String::repeatedString ("Pads/", 200) + "Slow Swell.vpxp");
    juce::MemoryBlock grown;
    longerPaths.getStateInformation (grown);
    uint32_t toldSize = 0;
    EXPECT_EQ (effect->GetChunkSize (stateChunk, &toldSize), AAX_SUCCESS);
    std::thread ([&] { effect.restoreChunk (stateChunk, bytesOf (grown)); effect.saveChunk (stateChunk); }).join();
    ChunkRecord unsized (grown.getSize(), stateChunk);
    unsized->fSize = 0;
    EXPECT_EQ (effect->GetChunk (stateChunk, unsized.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);

    ChunkRecord negative (8, stateChunk);
    negative->fSize = -8;
    EXPECT_EQ (effect->SetChunk (stateChunk, negative.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
    EXPECT_EQ (effect->SetChunk (stateChunk, nullptr), AAX_ERROR_NULL_OBJECT);
}

TEST_F (PluginSession, TheEditorOpensInTheHostsWindowAndClosesWithIt)
{
    if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "no X display";

    X11HostWindow hostWindow;
    ASSERT_TRUE (hostWindow.isOpen());
    const auto numViewsBecomes = [&] (size_t expected)
    {
        return WindowPixels::runUntil ([] { juce::Thread::sleep (10); }, [&] { return hostWindow.countChildren() == expected; }, PluginWindowLayout::windowTimeoutMs);
    };

    Host host;
    auto effect = makeEffect (host);
    host.effectParameters = effect.unknown();
    host.containerType = AAX_eViewContainer_Type_X11Window;
    host.nativeViewPointer = hostWindow.getNativeHandle();

    AAX_IACFEffectGUI* gui = nullptr;
    auto* created = create (AAX_ProcPtrID_Create_EffectGUI);
    ASSERT_NE (created, nullptr);
    ASSERT_EQ (created->QueryInterface (IID_IAAXEffectGUIV1, reinterpret_cast<void**> (&gui)), AAX_SUCCESS);
    EXPECT_EQ (gui->Initialize (host.unknown()), AAX_SUCCESS);

    AAX_Point size;
    EXPECT_EQ (gui->GetViewSize (&size), AAX_SUCCESS);
    EXPECT_EQ (std::pair ((int) size.horz, (int) size.vert), std::pair (325, 454));
    EXPECT_EQ (gui->SetViewContainer (host.unknown()), AAX_SUCCESS);

    EXPECT_TRUE (WindowPixels::runUntil ([gui] { gui->TimerWakeup(); },
                                         [&] { return hostWindow.getReader().findDrawingWindow (hostWindow.getWindowId(), 325, 454) != 0; }, PluginWindowLayout::windowTimeoutMs));
    EXPECT_EQ (hostWindow.countChildren(), 1u);

    // Withdrawn by the host, the view goes; given again, initialised again with the container
    // still given, and released with the object, too.
    EXPECT_EQ (gui->SetViewContainer (nullptr), AAX_SUCCESS);
    EXPECT_TRUE (numViewsBecomes (0));
    gui->SetViewContainer (host.unknown());
    EXPECT_TRUE (numViewsBecomes (1));
    EXPECT_EQ (gui->Initialize (host.unknown()), AAX_SUCCESS);   // the old view goes at once (the framework syncs)
    EXPECT_TRUE (numViewsBecomes (1));
    gui->Uninitialize();
    gui->Release();
    EXPECT_TRUE (numViewsBecomes (0));
}

TEST_F (PluginSession, EveryTeardownOrderFreesEachObjectOnceAndGivesEveryInterfaceBack)
{
    // Host calls in order: the effect's data model 'E' or GUI '1' or '2', then
    // i(nitialise), u(ninitialise) or r(elease). Each GUI builds its editor when initialised.
    const char* const orders[] = {
        "Ei 1i Eu Er 1u 1r",            // effect first
        "Ei 1i 1u 1r Eu Er",            // GUI first
        "Ei 1i Eu 1u Er 1r",            // interleaved
        "Ei 1i Er 1r",                  // released without uninitialising
        "Ei 1i 1i Eu Er 1u 1r",         // the GUI initialised twice
        "Ei 1i 2i 1u 1r Eu Er 2u 2r",   // two GUIs on one data model
        "Ei Ei 1i Eu Er 1u 1r",         // the data model initialised twice
    };

    for (const auto* order : orders)
    {
        SCOPED_TRACE (order);
        Host host;
        host.answers = fakehost::SessionAnswers();
        AAX_IACFEffectParameters* effect = nullptr;
        AAX_IACFEffectGUI* guis[2] = {};

        const auto hostCall = [&] (auto*& object, AAX_CProcPtrID selector, const acfIID& iid, char call)
        {
            if (object == nullptr)
                create (selector)->QueryInterface (iid, reinterpret_cast<void**> (&object));

            if (call == 'r')
                std::exchange (object, nullptr)->Release();
            else
                EXPECT_EQ (call == 'i' ? object->Initialize (host.unknown()) : object->Uninitialize(), AAX_SUCCESS);

            host.effectParameters = effect;
        };

        std::istringstream steps (order);

        for (std::string step; steps >> step;)
        {
            if (step[0] == 'E')
                hostCall (effect, AAX_ProcPtrID_Create_EffectParameters, IID_IAAXEffectParametersV1, step[1]);
            else
                hostCall (guis[step[0] - '1'], AAX_ProcPtrID_Create_EffectGUI, IID_IAAXEffectGUIV1, step[1]);
        }

        EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
        EXPECT_EQ (entryPoint<decltype (&ACFCanUnloadNow)> ("ACFCanUnloadNow") (nullptr), 0);
    }
}

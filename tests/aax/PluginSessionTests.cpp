#include "AAX_CChunkDataParser.h"
#include "AAX_CString.h"
#include "AAX_Exports.h"
#include "AAX_IACFEffectGUI.h"
#include "AAX_UIDs.h"
#include "ChunkRecord.h"
#include "FakeHostInterfaces.h"
#include "FixedTempoPlayHead.h"
#include "LumiverPX2741AudioProcessor.h"
#include "StandInSession.h"
#include "X11HostWindow.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <dlfcn.h>

#include <cmath>
#include <random>

// The built LumiverPX2741.aaxplugin, loaded as an AAX host loads it and driven by the
// stand-in host through its seven entry points and the objects they lead to.

using fakehost::Host;
using standin::AlgorithmInstance;
using standin::EffectInstance;

namespace
{
    constexpr double testSampleRate = 44100.0;
    constexpr int testBlockSize = 512;
    constexpr double testTempo = 120.0;
    constexpr AAX_CTypeID controlsChunk = 0x656C636B;
    constexpr AAX_CTypeID stateChunk = 0x6A756365;
    constexpr const char* bypassID = "MasterBypassID";

    /** The loaded shared object and its entry points, opened once for all tests. */
    struct LoadedPlugin
    {
        static LoadedPlugin& get()
        {
            static LoadedPlugin plugin;
            return plugin;
        }

        template <typename Function>
        Function find (const char* name) const
        {
            return handle != nullptr ? reinterpret_cast<Function> (dlsym (handle, name)) : nullptr;
        }

        void* const handle = dlopen (LUMIVER_AAX_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
        const decltype (&ACFRegisterPlugin) registerPlugin = find<decltype (&ACFRegisterPlugin)> ("ACFRegisterPlugin");
        const decltype (&ACFCanUnloadNow) canUnloadNow = find<decltype (&ACFCanUnloadNow)> ("ACFCanUnloadNow");
        const decltype (&ACFStartup) startup = find<decltype (&ACFStartup)> ("ACFStartup");
        const decltype (&ACFShutdown) shutdown = find<decltype (&ACFShutdown)> ("ACFShutdown");
        const decltype (&ACFGetSDKVersion) getSDKVersion = find<decltype (&ACFGetSDKVersion)> ("ACFGetSDKVersion");
    };

    /** The processor run directly, as the plug-in's instance of a channel layout should run. */
    struct DirectProcessor
    {
        DirectProcessor (int numInputs, int numOutputs)
        {
            juce::AudioProcessor::BusesLayout layout;
            layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (numInputs));
            layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (numOutputs));
            processor.setBusesLayout (layout);
            processor.setPlayHead (&playHead);
            processor.setRateAndBufferSizeDetails (testSampleRate, testBlockSize);
            processor.prepareToPlay (testSampleRate, testBlockSize);
        }

        FixedTempoPlayHead playHead { testTempo };
        LumiverPX2741AudioProcessor processor;
    };

    /** Two sines of different pitch. */
    void fillSignal (std::vector<float>& channel, int startSample, double frequency)
    {
        for (size_t i = 0; i < channel.size(); ++i)
            channel[i] = (float) (0.5 * std::sin (2.0 * juce::MathConstants<double>::pi * frequency
                                                  * (startSample + (int) i) / testSampleRate));
    }

    /** The number of threads this process runs. */
    int countThreads()
    {
        return juce::File ("/proc/self/task").getNumberOfChildFiles (juce::File::findDirectories);
    }

    /** Polls until the condition holds, for at most two seconds. */
    template <typename Condition>
    bool eventually (Condition condition)
    {
        for (int attempt = 0; attempt < 200; ++attempt)
        {
            if (condition())
                return true;

            juce::Thread::sleep (10);
        }

        return false;
    }

    /** A registered plug-in for each test, unloadable again at its end. */
    class PluginSession : public testing::Test
    {
    protected:
        void SetUp() override
        {
            auto& plugin = LoadedPlugin::get();
            ASSERT_NE (plugin.handle, nullptr) << dlerror();
            ASSERT_EQ (plugin.startup (registry.unknown()), AAX_SUCCESS);
            ASSERT_EQ (plugin.registerPlugin (registry.unknown(), &definition), AAX_SUCCESS);
            ASSERT_EQ (registry.components.size(), 3u);
        }

        void TearDown() override
        {
            auto& plugin = LoadedPlugin::get();

            if (definition != nullptr)
                definition->Release();

            EXPECT_EQ (plugin.shutdown (nullptr), AAX_SUCCESS);
            EXPECT_EQ (plugin.canUnloadNow (nullptr), 0) << "an object of the plug-in is still alive";
            EXPECT_EQ (registry.unbalancedInterfaces(), std::vector<std::string>());
        }

        /** A new object from one of the registered creation functions. */
        IACFUnknown* create (AAX_CProcPtrID selector)
        {
            auto* function = reinterpret_cast<AAX_CCreateObjectProc> (registry.procPointers[selector]);
            return function != nullptr ? function() : nullptr;
        }

        /** A host for one instance of the layout, answering with the session's values. */
        static void answerFor (Host& host, AAX_EStemFormat input, AAX_EStemFormat output)
        {
            host.answers = fakehost::SessionAnswers { (float) testSampleRate, input, output, testTempo };
        }

        const fakehost::DescribedComponent& layout (size_t index)   { return registry.components[index].second; }

        Host registry;
        IACFPluginDefinition* definition = nullptr;
    };
}

TEST_F (PluginSession, DescribesOneEffectWithThreeChannelLayouts)
{
    auto& plugin = LoadedPlugin::get();
    uint64_t version = 0;
    EXPECT_EQ (plugin.getSDKVersion (&version), AAX_SUCCESS);
    EXPECT_EQ (version, 0x0000020200B45B38ull);

    const auto argumentsOf = [&] (const char* face, const char* operation)
    {
        std::vector<std::string> arguments;

        for (auto& call : registry.calls)
            if (call.interfaceName == face && call.operation == operation)
                arguments.insert (arguments.end(), call.arguments.begin(), call.arguments.end());

        return arguments;
    };

    using Texts = std::vector<std::string>;
    EXPECT_EQ (argumentsOf ("effect-descriptor.v1", "AddName"), (Texts { "\"Lumiver PX2741\"", "\"Lumiver\"" }));
    EXPECT_EQ (argumentsOf ("effect-descriptor.v1", "AddCategory"), Texts { "64" });
    EXPECT_EQ (argumentsOf ("collection.v1", "SetManufacturerName"), Texts { "\"Vardun\"" });
    EXPECT_EQ (argumentsOf ("collection.v1", "SetPackageVersion"), Texts { "65537" });
    EXPECT_EQ (argumentsOf ("collection.v1", "AddEffect").front(), "\"com.vardun.LumiverPX2741\"");
    EXPECT_NE (registry.procPointers[AAX_ProcPtrID_Create_EffectParameters], nullptr);
    EXPECT_NE (registry.procPointers[AAX_ProcPtrID_Create_EffectGUI], nullptr);

    using Kind = fakehost::DescribedComponent::FieldKind;
    const AAX_EStemFormat stems[3][2] = { { 1, 1 }, { 1, 2 }, { 2, 2 } };

    for (size_t k = 0; k < 3; ++k)
    {
        const auto& described = layout (k);
        const auto* properties = registry.propertiesOf (described.properties);
        ASSERT_NE (properties, nullptr);
        ASSERT_NE (described.process, nullptr);

        const std::map<AAX_EProperty, int32_t> expected = {
            { AAX_eProperty_ManufacturerID, 0x5652445F }, { AAX_eProperty_ProductID, 0x56707834 },
            { AAX_eProperty_PlugInID_Native, 0x6A636161 + (int32_t) k }, { AAX_eProperty_PlugInID_AudioSuite, 0x6A796161 + (int32_t) k },
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
}

TEST_F (PluginSession, ParametersAreListedAndAutomatedBothWays)
{
    Host host;
    answerFor (host, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo);
    EffectInstance effect (host, create (AAX_ProcPtrID_Create_EffectParameters));
    ASSERT_EQ (effect.initializeResult, AAX_SUCCESS);
    LumiverPX2741AudioProcessor direct;

    int32_t count = 0;
    effect->GetNumberOfParameters (&count);
    ASSERT_EQ (count, 10);

    for (int32_t index = 0; index < count; ++index)
    {
        AAX_CString identifier, name;
        effect->GetParameterIDFromIndex (index, &identifier);
        effect->GetParameterName (identifier.Get(), &name);

        if (index < direct.getNumParameters())
        {
            EXPECT_STREQ (identifier.Get(), std::to_string (index).c_str());
            EXPECT_EQ (std::string (name.Get()), direct.getParameterName (index, 31).toStdString());
            EXPECT_EQ (effect.text (identifier.Get()), AAX_CString().AppendNumber (direct.getParameter (index), 3).Get());
        }
        else
        {
            EXPECT_STREQ (identifier.Get(), bypassID);
            EXPECT_STREQ (name.Get(), "Master Bypass");
            EXPECT_EQ (effect.text (bypassID), "bypass");
        }
    }

    // From the host: requested, confirmed, and in the processor's state.
    effect.automate ("5", 1.0);
    EXPECT_EQ (effect.text ("5"), "1.000");
    const auto state = effect.saveChunk (stateChunk);
    direct.setStateInformation (state.data(), (int) state.size());
    EXPECT_EQ (direct.getParameter (depthIndex), 1.0f);

    // From the processor: a state with other values makes it ask the host for them, each
    // request between touch and release.
    LumiverPX2741AudioProcessor other;
    other.setParameter (depthIndex, 0.25f);
    juce::MemoryBlock otherState;
    other.getStateInformation (otherState);
    host.calls.clear();
    ASSERT_EQ (effect.restoreChunk (stateChunk, std::vector<char> ((const char*) otherState.getData(),
                                                                  (const char*) otherState.getData() + otherState.getSize())), AAX_SUCCESS);

    std::vector<std::string> automation;

    for (auto& call : host.calls)
        if (call.interfaceName == "automation.v1" && call.arguments.front() == "\"5\"" && call.operation != "PostCurrentValue")
            automation.push_back (call.operation);

    EXPECT_EQ (automation, (std::vector<std::string> { "PostTouchRequest", "PostSetValueRequest", "PostReleaseRequest" }));
    EXPECT_EQ (effect.answerRequests(), 1u) << "only the value that changed is sent";
    EXPECT_DOUBLE_EQ (effect.value ("5"), 0.25);
}

TEST_F (PluginSession, AnInstanceRunsAMessageThreadOfItsOwnWhileItLives)
{
    // The stand-in host drives no message loop of the plug-in's framework: while an
    // instance lives, the framework runs threads of its own, and stops them with it.
    const auto threadsBefore = countThreads();

    {
        Host host;
        answerFor (host, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo);
        EffectInstance effect (host, create (AAX_ProcPtrID_Create_EffectParameters));
        EXPECT_GT (countThreads(), threadsBefore);
    }

    EXPECT_EQ (countThreads(), threadsBefore);
}

TEST_F (PluginSession, AudioIsTheProcessorsAndTheBypassPassesItUnchanged)
{
    struct Case { AAX_EStemFormat input, output; size_t layoutIndex; };

    for (auto c : { Case { AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo, 2 }, Case { AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo, 1 } })
    {
        Host host;
        answerFor (host, c.input, c.output);
        EffectInstance effect (host, create (AAX_ProcPtrID_Create_EffectParameters));
        ASSERT_EQ (effect.initializeResult, AAX_SUCCESS);
        AlgorithmInstance algorithm (host, layout (c.layoutIndex));
        DirectProcessor direct (c.input, 2);

        effect.automate ("5", 1.0);
        direct.processor.setParameter (depthIndex, 1.0f);
        EXPECT_EQ (effect->GenerateCoefficients(), Host::hostResult);

        std::vector<float> left (testBlockSize), right (testBlockSize), outLeft (testBlockSize), outRight (testBlockSize);
        std::vector<float> directLeft (testBlockSize), directRight (testBlockSize);
        juce::MidiBuffer midi;
        float maxDifference = 0.0f, minGain = 1.0f, maxGain = 0.0f;
        constexpr int numBlocks = 200;

        for (int block = 0; block < numBlocks; ++block)
        {
            fillSignal (left, block * testBlockSize, 440.0);
            fillSignal (right, block * testBlockSize, 330.0);
            directLeft = left;
            directRight = c.input == AAX_eStemFormat_Mono ? std::vector<float> (testBlockSize, 9.0f) : right;

            std::vector<float*> inputs = { left.data(), right.data() };
            inputs.resize ((size_t) c.input);
            algorithm.process (inputs, { outLeft.data(), outRight.data() }, testBlockSize);

            float* directChannels[] = { directLeft.data(), directRight.data() };
            juce::AudioBuffer<float> buffer (directChannels, 2, testBlockSize);
            direct.processor.processBlock (buffer, midi);

            for (size_t i = 0; i < (size_t) testBlockSize; ++i)
            {
                maxDifference = std::max ({ maxDifference, std::abs (outLeft[i] - directLeft[i]), std::abs (outRight[i] - directRight[i]) });

                if (block > numBlocks / 2 && std::abs (left[i]) > 0.4f)
                {
                    minGain = std::min (minGain, outLeft[i] / left[i]);
                    maxGain = std::max (maxGain, outLeft[i] / left[i]);
                }
            }
        }

        EXPECT_LE (maxDifference, 1.0e-6f) << "layout " << c.layoutIndex;
        EXPECT_GT (maxGain - minGain, 0.3f) << "the output is not modulated";

        // The bypass packet: every output is the input, a mono input on both.
        effect->UpdateParameterNormalizedValue (bypassID, 1.0, AAX_eUpdateSource_Unspecified);
        effect->GenerateCoefficients();
        std::vector<float*> inputs = { left.data(), right.data() };
        inputs.resize ((size_t) c.input);
        algorithm.process (inputs, { outLeft.data(), outRight.data() }, testBlockSize);
        EXPECT_EQ (outLeft, left);
        EXPECT_EQ (outRight, c.input == AAX_eStemFormat_Mono ? left : right);

        effect->UpdateParameterNormalizedValue (bypassID, 0.0, AAX_eUpdateSource_Unspecified);
        effect->GenerateCoefficients();
        algorithm.process (inputs, { outLeft.data(), outRight.data() }, testBlockSize);
        EXPECT_NE (outLeft, left) << "processing did not resume";
    }
}

TEST_F (PluginSession, BothChunksCarryTheStateIntoAnotherInstanceInEitherOrder)
{
    Host firstHost;
    answerFor (firstHost, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo);
    EffectInstance first (firstHost, create (AAX_ProcPtrID_Create_EffectParameters));
    first.automate ("5", 1.0);
    first.automate ("2", 0.25);
    first.automate ("7", 1.0);
    const auto controls = first.saveChunk (controlsChunk);
    const auto state = first.saveChunk (stateChunk);

    for (bool controlsFirst : { true, false })
    {
        Host host;
        answerFor (host, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo);
        EffectInstance second (host, create (AAX_ProcPtrID_Create_EffectParameters));

        for (auto chunkID : controlsFirst ? std::vector<AAX_CTypeID> { controlsChunk, stateChunk }
                                          : std::vector<AAX_CTypeID> { stateChunk, controlsChunk })
        {
            EXPECT_EQ (second.restoreChunk (chunkID, chunkID == controlsChunk ? controls : state), AAX_SUCCESS);
            second.answerRequests();
        }

        for (auto* identifier : { "0", "1", "2", "3", "4", "5", "6", "7", "8", bypassID })
            EXPECT_EQ (second.value (identifier), first.value (identifier)) << identifier << (controlsFirst ? " controls first" : " state first");

        EXPECT_EQ (second.saveChunk (stateChunk), state);
        EXPECT_EQ (second.saveChunk (controlsChunk), controls);
    }
}

TEST_F (PluginSession, MutatedChunksAreReadWithinTheirRecordAndChangeNothingWhenRefused)
{
    Host host;
    answerFor (host, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo);
    EffectInstance effect (host, create (AAX_ProcPtrID_Create_EffectParameters));
    effect.automate ("5", 0.75);
    const auto controls = effect.saveChunk (controlsChunk);
    const auto state = effect.saveChunk (stateChunk);

    LumiverPX2741AudioProcessor reference;
    std::mt19937 random (2741);
    const auto mutate = [&] (std::vector<char> data)
    {
        const auto numChanges = 1 + random() % 4;

        for (unsigned k = 0; k < numChanges && ! data.empty(); ++k)
            data[random() % data.size()] = (char) random();

        // Now and then the record is cut short or runs on with noise.
        if (random() % 4 == 0)
            data.resize (random() % (data.size() + 1));
        else if (random() % 8 == 0)
            for (int k = 0; k < 16; ++k)
                data.push_back ((char) random());

        return data;
    };

    for (int round = 0; round < 2000; ++round)
    {
        const auto mutated = mutate (controls);
        auto record = ChunkRecord::withData (mutated, controlsChunk);
        AAX_CChunkDataParser expected;
        expected.LoadChunk (record.get());

        host.calls.clear();
        ASSERT_EQ (effect.restoreChunk (controlsChunk, mutated), AAX_SUCCESS);
        const std::vector<std::pair<std::string, double>> requests = host.setRequests;

        if (expected.GetNumberOfItems() == 0)
        {
            ASSERT_TRUE (requests.empty()) << "a refused chunk changed a value, round " << round;
        }

        for (auto& request : requests)
            ASSERT_TRUE (request.second >= 0.0 && request.second <= 1.0) << request.first << " " << request.second;

        effect.answerRequests();
    }

    // Both processors start from the saved state. The processor's requests are not
    // confirmed here, so that it keeps exactly what it read, as the reference does.
    ASSERT_EQ (effect.restoreChunk (stateChunk, state), AAX_SUCCESS);
    reference.setStateInformation (state.data(), (int) state.size());

    for (int round = 0; round < 2000; ++round)
    {
        const auto mutated = mutate (state);
        host.calls.clear();
        host.setRequests.clear();
        const auto result = effect.restoreChunk (stateChunk, mutated);

        if (mutated.empty())
        {
            EXPECT_EQ (result, AAX_ERROR_INCORRECT_CHUNK_SIZE);
            continue;
        }

        // The processor reads exactly what the host gave: a state it refuses changes nothing.
        ASSERT_EQ (result, AAX_SUCCESS);
        reference.setStateInformation (mutated.data(), (int) mutated.size());
        juce::MemoryBlock expected;
        reference.getStateInformation (expected);
        ASSERT_EQ (effect.saveChunk (stateChunk), std::vector<char> ((const char*) expected.getData(),
                                                                     (const char*) expected.getData() + expected.getSize()))
            << "round " << round;
    }

    EXPECT_EQ (effect->SetChunk (stateChunk, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect->SetChunk (controlsChunk, nullptr), AAX_ERROR_NULL_OBJECT);
}

TEST_F (PluginSession, TheEditorOpensInTheHostsWindowAndClosesWithIt)
{
    if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "no X display";

    const X11HostWindow hostWindow;
    ASSERT_TRUE (hostWindow.isOpen());

    {
        Host host;
        answerFor (host, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo);
        EffectInstance effect (host, create (AAX_ProcPtrID_Create_EffectParameters));
        host.effectParameters = effect.unknown();

        AAX_IACFEffectGUI* gui = nullptr;
        auto* created = create (AAX_ProcPtrID_Create_EffectGUI);
        ASSERT_NE (created, nullptr);
        ASSERT_EQ (created->QueryInterface (IID_IAAXEffectGUIV1, reinterpret_cast<void**> (&gui)), AAX_SUCCESS);
        EXPECT_EQ (gui->Initialize (host.unknown()), AAX_SUCCESS);

        // Sized from the processor's own editor.
        LumiverPX2741AudioProcessor direct;
        std::unique_ptr<juce::AudioProcessorEditor> directEditor (direct.createEditorIfNeeded());
        ASSERT_NE (directEditor, nullptr);
        AAX_Point size;
        EXPECT_EQ (gui->GetViewSize (&size), AAX_SUCCESS);
        EXPECT_EQ ((int) size.horz, directEditor->getWidth());
        EXPECT_EQ ((int) size.vert, directEditor->getHeight());
        direct.editorBeingDeleted (directEditor.get());
        directEditor.reset();

        host.containerType = AAX_eViewContainer_Type_X11Window;
        host.nativeViewPointer = hostWindow.getNativeHandle();
        EXPECT_EQ (gui->SetViewContainer (host.unknown()), AAX_SUCCESS);

        for (int i = 0; i < 5; ++i)
            gui->TimerWakeup();

        const auto children = hostWindow.getChildWindowSizes();
        ASSERT_EQ (children.size(), 1u);
        EXPECT_EQ (children.front().width, (int) size.horz);
        EXPECT_EQ (children.front().height, (int) size.vert);

        // Withdrawn by the host: the view goes.
        EXPECT_EQ (gui->SetViewContainer (nullptr), AAX_SUCCESS);
        EXPECT_TRUE (eventually ([&] { return hostWindow.getChildWindowSizes().empty(); }));

        // Given again and then released with the object: the view goes too.
        gui->SetViewContainer (host.unknown());
        EXPECT_TRUE (eventually ([&] { return hostWindow.getChildWindowSizes().size() == 1; }));
        gui->Uninitialize();
        gui->Release();
        EXPECT_TRUE (eventually ([&] { return hostWindow.getChildWindowSizes().empty(); }));
    }
}

#include "StandInHost.h"
#include "TestProcessor.h"
#include "VstOpcodes.h"
#include "VstPluginAdapter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace
{
    /** One adapter instance driven through its record, as a host drives it. */
    class HostedAdapter
    {
    public:
        HostedAdapter()
            : effect ((new VstPluginAdapter (StandInHost::callback))->getAeffect()),
              processor (TestProcessor::lastCreated.load())
        {
        }

        ~HostedAdapter()
        {
            if (effect != nullptr)
                dispatch (EffectOpcode::close);
        }

        int64_t dispatch (int32_t opcode, int32_t index = 0, int64_t value = 0, void* ptr = nullptr, float opt = 0.0f)
        {
            return effect->dispatcherEntry (effect, opcode, index, value, ptr, opt);
        }

        std::string text (int32_t opcode, int32_t index = 0)
        {
            char buffer[256];
            std::memset (buffer, 'x', sizeof (buffer));
            dispatch (opcode, index, 0, buffer);
            return std::string (buffer, strnlen (buffer, sizeof (buffer)));
        }

        void start (float sampleRate, int blockSize)
        {
            dispatch (EffectOpcode::open);
            dispatch (EffectOpcode::setSampleRate, 0, 0, nullptr, sampleRate);
            dispatch (EffectOpcode::setBlockSize, 0, blockSize);
            dispatch (EffectOpcode::mainsChanged, 0, 1);
        }

        void process (std::vector<float>& left, std::vector<float>& right)
        {
            float* inputs[] = { left.data(), right.data() };
            float* outputs[] = { left.data(), right.data() };
            effect->processReplacingEntry (effect, inputs, outputs, (int32_t) left.size());
        }

        AEffect* effect;
        TestProcessor* processor;
    };
}

//==============================================================================
TEST (VstPluginAdapter, RecordAndIdentity)
{
    StandInHost host;
    HostedAdapter adapter;
    auto* effect = adapter.effect;

    ASSERT_NE (adapter.processor, nullptr);
    EXPECT_EQ (effect->uniqueID, 0x56707834);
    EXPECT_EQ (effect->version, 101);
    EXPECT_EQ (effect->numInputs, 2);
    EXPECT_EQ (effect->numOutputs, 2);
    EXPECT_EQ (effect->numPrograms, TestProcessor::numPrograms);
    EXPECT_EQ (effect->numParams, TestProcessor::numParameters);
    EXPECT_EQ (effect->flags, EffectFlags::canReplacing | EffectFlags::programChunks);

    EXPECT_EQ (adapter.text (EffectOpcode::getEffectName), "Lumiver PX2741");
    EXPECT_EQ (adapter.text (EffectOpcode::getProductString), "Lumiver PX2741");
    EXPECT_EQ (adapter.text (EffectOpcode::getVendorString), "Vardun");
    EXPECT_EQ (adapter.dispatch (EffectOpcode::getVendorVersion), 101);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::getPlugCategory), 1);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::getVstVersion), 2400);

    char timeInfo[] = "receiveVstTimeInfo";
    char midi[] = "receiveVstMidiEvent";
    char other[] = "somethingElse";
    EXPECT_EQ (adapter.dispatch (EffectOpcode::canDo, 0, 0, timeInfo), 1);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::canDo, 0, 0, midi), -1);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::canDo, 0, 0, other), 0);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::canDo), 0);
}

TEST (VstPluginAdapter, ParametersPassThroughAndRejectBadIndices)
{
    StandInHost host;
    HostedAdapter adapter;
    auto* effect = adapter.effect;

    effect->setParameterEntry (effect, 0, 0.25f);
    EXPECT_EQ (adapter.processor->values[0], 0.25f);
    EXPECT_EQ (effect->getParameterEntry (effect, 0), 0.25f);

    EXPECT_EQ (adapter.text (EffectOpcode::getParameterName, 0), "Gain");
    EXPECT_EQ (adapter.text (EffectOpcode::getParameterDisplay, 0), "25.0");
    EXPECT_EQ (adapter.text (EffectOpcode::getParameterLabel, 0), "%");
    EXPECT_EQ (adapter.text (EffectOpcode::getParameterName, 2), "A rather long parameter name tha");
    EXPECT_EQ (adapter.dispatch (EffectOpcode::canBeAutomated, 1), 1);

    for (int32_t index : { -1, TestProcessor::numParameters, 1 << 30 })
    {
        effect->setParameterEntry (effect, index, 0.9f);
        EXPECT_EQ (effect->getParameterEntry (effect, index), 0.0f);
        EXPECT_EQ (adapter.text (EffectOpcode::getParameterName, index), "");
        EXPECT_EQ (adapter.text (EffectOpcode::getParameterDisplay, index), "");
        EXPECT_EQ (adapter.dispatch (EffectOpcode::canBeAutomated, index), 0);
    }

    EXPECT_EQ (adapter.processor->values[1], 0.0f);

    // Missing text buffers are ignored.
    for (int32_t opcode : { EffectOpcode::getParameterName, EffectOpcode::getParameterDisplay,
                            EffectOpcode::getParameterLabel, EffectOpcode::getProgramName,
                            EffectOpcode::setProgramName, EffectOpcode::getEffectName })
        adapter.dispatch (opcode, 0, 0, nullptr);
}

TEST (VstPluginAdapter, TextsTouchOnlyTheBytesTheyNeed)
{
    // Hosts do not say how large their text buffers are, and some give only
    // the interface's original few bytes: a short text must not write beyond
    // its own terminating zero.
    StandInHost host;
    HostedAdapter adapter;

    for (int32_t opcode : { EffectOpcode::getParameterName, EffectOpcode::getParameterLabel,
                            EffectOpcode::getParameterDisplay, EffectOpcode::getProgramName,
                            EffectOpcode::getProgramNameIndexed, EffectOpcode::getEffectName,
                            EffectOpcode::getVendorString, EffectOpcode::getProductString })
    {
        char buffer[128];
        std::memset (buffer, 'x', sizeof (buffer));
        adapter.dispatch (opcode, 0, 0, buffer);

        const auto length = strnlen (buffer, sizeof (buffer));
        ASSERT_LT (length, sizeof (buffer)) << "opcode " << opcode;
        EXPECT_GT (length, 0u) << "opcode " << opcode;

        for (auto i = length + 1; i < sizeof (buffer); ++i)
            ASSERT_EQ (buffer[i], 'x') << "opcode " << opcode << " wrote byte " << i;
    }

    // A long name is cut at a whole character, never inside one.
    adapter.processor->programNames[0] = juce::String::repeatedString (juce::CharPointer_UTF8 ("\xc3\xa9"), 30);
    EXPECT_EQ (adapter.text (EffectOpcode::getProgramName),
               juce::String::repeatedString (juce::CharPointer_UTF8 ("\xc3\xa9"), 12).toStdString());
}

TEST (VstPluginAdapter, ProcessorNotificationsReachTheHost)
{
    StandInHost host;
    HostedAdapter adapter;

    adapter.processor->beginParameterChangeGesture (2);
    adapter.processor->setParameterNotifyingHost (2, 0.75f);
    adapter.processor->endParameterChangeGesture (2);

    const auto automated = host.getCalls (HostOpcode::automate);
    ASSERT_EQ (automated.size(), 1u);
    EXPECT_EQ (automated[0].effect, adapter.effect);
    EXPECT_EQ (automated[0].index, 2);
    EXPECT_EQ (automated[0].opt, 0.75f);
    EXPECT_EQ (adapter.processor->values[2], 0.75f);

    ASSERT_EQ (host.countCalls (HostOpcode::beginEdit), 1);
    ASSERT_EQ (host.countCalls (HostOpcode::endEdit), 1);
    EXPECT_EQ (host.getCalls (HostOpcode::beginEdit)[0].index, 2);
    EXPECT_EQ (host.getCalls (HostOpcode::endEdit)[0].index, 2);
}

TEST (VstPluginAdapter, ProgramsAndTheirNames)
{
    StandInHost host;
    HostedAdapter adapter;

    adapter.dispatch (EffectOpcode::setProgram, 0, 1);
    EXPECT_EQ (adapter.processor->currentProgram, 1);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::getProgram), 1);
    EXPECT_EQ (adapter.text (EffectOpcode::getProgramName), "Second");

    adapter.dispatch (EffectOpcode::setProgram, 0, -1);
    adapter.dispatch (EffectOpcode::setProgram, 0, 2);
    EXPECT_EQ (adapter.processor->currentProgram, 1);

    char longName[40];
    std::memset (longName, 'n', sizeof (longName));   // no terminating zero
    adapter.dispatch (EffectOpcode::setProgramName, 0, 0, longName);
    EXPECT_EQ (adapter.processor->programNames[1], juce::String::repeatedString ("n", 24));

    char name[64] = {};
    EXPECT_EQ (adapter.dispatch (EffectOpcode::getProgramNameIndexed, 0, 0, name), 1);
    EXPECT_STREQ (name, "First");
    EXPECT_EQ (adapter.dispatch (EffectOpcode::getProgramNameIndexed, 2, 0, name), 0);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::getProgramNameIndexed, -1, 0, name), 0);
}

TEST (VstPluginAdapter, ChunksCarryTheStateIntoAnotherInstance)
{
    StandInHost host;
    std::vector<char> saved;

    {
        HostedAdapter first;
        first.effect->setParameterEntry (first.effect, 1, 0.625f);
        first.dispatch (EffectOpcode::setProgram, 0, 1);

        void* data = nullptr;
        const auto size = first.dispatch (EffectOpcode::getChunk, 0, 0, &data);
        ASSERT_GT (size, 0);
        ASSERT_NE (data, nullptr);
        saved.assign (static_cast<char*> (data), static_cast<char*> (data) + size);

        void* programData = nullptr;
        const auto programSize = first.dispatch (EffectOpcode::getChunk, 1, 0, &programData);
        ASSERT_GT (programSize, 0);
        EXPECT_NE (std::string (static_cast<char*> (programData) + 8, (size_t) programSize - 8).find ("TESTPROGRAM"),
                   std::string::npos);

        EXPECT_EQ (first.dispatch (EffectOpcode::getChunk, 0, 0, nullptr), 0);
    }

    HostedAdapter second;
    second.dispatch (EffectOpcode::setChunk, 0, (int64_t) saved.size(), saved.data());
    EXPECT_EQ (second.processor->values[1], 0.625f);
    EXPECT_EQ (second.processor->currentProgram, 1);
}

TEST (VstPluginAdapter, TheHostMayHandBackTheChunkItWasGiven)
{
    StandInHost host;
    HostedAdapter adapter;
    adapter.effect->setParameterEntry (adapter.effect, 1, 0.625f);

    void* data = nullptr;
    const auto size = adapter.dispatch (EffectOpcode::getChunk, 0, 0, &data);
    ASSERT_GT (size, 0);

    adapter.effect->setParameterEntry (adapter.effect, 1, 0.125f);
    adapter.dispatch (EffectOpcode::setChunk, 0, size, data);
    EXPECT_EQ (adapter.processor->values[1], 0.625f);
}

TEST (VstPluginAdapter, BadChunksChangeNothing)
{
    StandInHost host;
    HostedAdapter adapter;
    adapter.processor->values[0] = 0.3f;

    std::mt19937 random (7);
    std::vector<char> noise (4096);

    for (auto& byte : noise)
        byte = (char) random();

    adapter.dispatch (EffectOpcode::setChunk, 0, (int64_t) noise.size(), noise.data());
    adapter.dispatch (EffectOpcode::setChunk, 1, (int64_t) noise.size(), noise.data());
    adapter.dispatch (EffectOpcode::setChunk, 0, 0, noise.data());
    adapter.dispatch (EffectOpcode::setChunk, 0, -5, noise.data());
    adapter.dispatch (EffectOpcode::setChunk, 0, 100, nullptr);

    EXPECT_EQ (adapter.processor->values[0], 0.3f);
}

//==============================================================================
TEST (VstPluginAdapter, ResumePreparesWithTheHostsRateAndBlockSize)
{
    StandInHost host;
    HostedAdapter adapter;

    adapter.dispatch (EffectOpcode::setSampleRate, 0, 0, nullptr, -1.0f);
    adapter.dispatch (EffectOpcode::setSampleRate, 0, 0, nullptr, std::numeric_limits<float>::quiet_NaN());
    adapter.start (96000.0f, 333);

    EXPECT_EQ (adapter.processor->prepares, 1);
    EXPECT_EQ (adapter.processor->preparedRate, 96000.0);
    EXPECT_EQ (adapter.processor->preparedBlockSize, 333);

    adapter.dispatch (EffectOpcode::mainsChanged, 0, 0);
    EXPECT_EQ (adapter.processor->releases, 1);

    adapter.dispatch (EffectOpcode::setBlockSize, 0, -8);
    adapter.dispatch (EffectOpcode::mainsChanged, 0, 1);
    EXPECT_EQ (adapter.processor->preparedBlockSize, 1);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::getTailSize), 48000);
}

TEST (VstPluginAdapter, ProcessingBeforeResumeIsSilent)
{
    StandInHost host;
    HostedAdapter adapter;

    std::vector<float> left (64, 1.0f), right (64, 1.0f);
    adapter.process (left, right);

    EXPECT_EQ (adapter.processor->blocks, 0);
    EXPECT_EQ (left, std::vector<float> (64, 0.0f));
    EXPECT_EQ (right, std::vector<float> (64, 0.0f));
}

TEST (VstPluginAdapter, ProcessesLongBlocksInPreparedPieces)
{
    StandInHost host;
    HostedAdapter adapter;
    adapter.start (44100.0f, 100);
    adapter.processor->values[0] = 0.5f;

    std::vector<float> left (1050), right (1050);

    for (size_t i = 0; i < left.size(); ++i)
    {
        left[i] = (float) i;
        right[i] = -(float) i;
    }

    adapter.process (left, right);

    EXPECT_EQ (adapter.processor->longestBlock, 100);
    EXPECT_EQ (adapter.processor->blocks, 11);

    for (size_t i = 0; i < left.size(); ++i)
    {
        ASSERT_EQ (left[i], 0.5f * (float) i) << i;
        ASSERT_EQ (right[i], -0.5f * (float) i) << i;
    }
}

TEST (VstPluginAdapter, MissingChannelPointersAreSafe)
{
    StandInHost host;
    HostedAdapter adapter;
    adapter.start (44100.0f, 32);

    std::vector<float> input (32, 1.0f), output (32, 9.0f);
    float* inputs[] = { input.data(), nullptr };
    float* outputs[] = { nullptr, output.data() };

    adapter.effect->processReplacingEntry (adapter.effect, inputs, outputs, 32);
    EXPECT_EQ (output, std::vector<float> (32, 0.0f));   // silent input on the right

    adapter.effect->processReplacingEntry (adapter.effect, nullptr, outputs, 32);
    adapter.effect->processReplacingEntry (adapter.effect, inputs, nullptr, 32);
    adapter.effect->processReplacingEntry (adapter.effect, inputs, outputs, 0);
    adapter.effect->processReplacingEntry (adapter.effect, inputs, outputs, -4);

    double doubleData[32] = {};
    double* doubleChannels[] = { doubleData, doubleData };
    doubleData[0] = 1.0;
    adapter.effect->processDoubleReplacingEntry (adapter.effect, doubleChannels, doubleChannels, 32);
    EXPECT_EQ (doubleData[0], 0.0);
}

TEST (VstPluginAdapter, HostTempoReachesThePlayHead)
{
    StandInHost host;
    HostedAdapter adapter;
    adapter.start (44100.0f, 64);
    std::vector<float> left (64), right (64);

    host.timeInfo.sampleRate = 44100.0;
    host.timeInfo.tempo = 137.5;
    host.timeInfo.flags = VstTimeInfo::tempoValid;
    adapter.process (left, right);
    EXPECT_EQ (adapter.processor->lastBpm, 137.5);

    const auto timeCalls = host.getCalls (HostOpcode::getTime);
    ASSERT_FALSE (timeCalls.empty());
    EXPECT_EQ (timeCalls.back().value, 0xfe00);

    host.timeInfo.flags = 0;
    adapter.process (left, right);
    EXPECT_EQ (adapter.processor->lastBpm, -1.0);

    host.setAnswer (HostOpcode::getTime, 0);
    adapter.process (left, right);
    EXPECT_EQ (adapter.processor->lastBpm, -1.0);
}

TEST (VstPluginAdapter, OfflineRenderingIsSeenOnEveryProcessCall)
{
    StandInHost host;
    HostedAdapter adapter;
    adapter.start (44100.0f, 64);
    std::vector<float> left (64), right (64);
    constexpr int64_t offline = 4;

    for (int64_t level : { offline, (int64_t) 2, offline, (int64_t) 0 })
    {
        host.setAnswer (HostOpcode::getCurrentProcessLevel, level);
        adapter.process (left, right);
        EXPECT_EQ (adapter.processor->isNonRealtime(), level == offline) << level;
    }

    EXPECT_EQ (adapter.processor->prepares, 1);
}

TEST (VstPluginAdapter, EditorOpcodesWithoutAnEditorAnswerZero)
{
    StandInHost host;
    HostedAdapter adapter;
    ERect* rect = nullptr;
    int parent = 0;

    EXPECT_EQ (adapter.dispatch (EffectOpcode::editorGetRect, 0, 0, &rect), 0);
    EXPECT_EQ (rect, nullptr);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::editorOpen, 0, 0, &parent), 0);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::editorClose), 0);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::editorIdle), 0);
    EXPECT_EQ (adapter.dispatch (EffectOpcode::editorKeyDown, 1, 1), 0);
}

TEST (VstPluginAdapter, CloseDeletesAdapterAndProcessor)
{
    StandInHost host;
    const auto before = TestProcessor::liveInstances.load();
    HostedAdapter adapter;
    EXPECT_EQ (TestProcessor::liveInstances.load(), before + 1);

    EXPECT_EQ (adapter.dispatch (EffectOpcode::close), 1);
    adapter.effect = nullptr;
    EXPECT_EQ (TestProcessor::liveInstances.load(), before);
}

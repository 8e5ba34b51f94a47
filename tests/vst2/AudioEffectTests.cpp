#include "RecordingEffect.h"
#include "StandInHost.h"
#include "VstOpcodes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace
{
    template <typename Type>
    Type readAt (const AEffect* record, size_t offset)
    {
        Type value;
        std::memcpy (&value, reinterpret_cast<const char*> (record) + offset, sizeof (Type));
        return value;
    }

    bool bytesAreZero (const AEffect* record, size_t offset, size_t count)
    {
        auto* bytes = reinterpret_cast<const unsigned char*> (record) + offset;

        for (size_t i = 0; i < count; ++i)
            if (bytes[i] != 0)
                return false;

        return true;
    }
}

//==============================================================================
TEST (AudioEffectRecord, ConstructorFillsTheHostVisibleRecord)
{
    RecordingEffect effect (nullptr, 12, 9);
    const auto* record = effect.getAeffect();

    EXPECT_EQ (readAt<int32_t> (record, 0), 0x56737450);
    EXPECT_NE (readAt<void*> (record, 8), nullptr);
    EXPECT_NE (readAt<void*> (record, 16), nullptr);
    EXPECT_NE (readAt<void*> (record, 24), nullptr);
    EXPECT_NE (readAt<void*> (record, 32), nullptr);
    EXPECT_EQ (readAt<int32_t> (record, 40), 12);
    EXPECT_EQ (readAt<int32_t> (record, 44), 9);
    EXPECT_EQ (readAt<int32_t> (record, 48), 1);
    EXPECT_EQ (readAt<int32_t> (record, 52), 2);
    EXPECT_EQ (readAt<int32_t> (record, 56), 0x10);
    EXPECT_EQ (readAt<float> (record, 92), 1.0f);
    EXPECT_EQ (readAt<void*> (record, 96), static_cast<AudioEffect*> (&effect));
    EXPECT_EQ (readAt<int32_t> (record, 112), 0x4E6F4566);
    EXPECT_EQ (readAt<int32_t> (record, 116), 1);
    EXPECT_NE (readAt<void*> (record, 120), nullptr);
    EXPECT_NE (readAt<void*> (record, 128), nullptr);

    EXPECT_TRUE (bytesAreZero (record, 4, 4));
    EXPECT_TRUE (bytesAreZero (record, 60, 32));     // padding, reserved fields, delay, qualities
    EXPECT_TRUE (bytesAreZero (record, 104, 8));     // user
    EXPECT_TRUE (bytesAreZero (record, 136, 56));    // future

    EXPECT_EQ (effect.getSampleRate(), 44100.0f);
    EXPECT_EQ (effect.getBlockSize(), 1024);
    EXPECT_EQ (effect.getProgram(), 0);
    EXPECT_EQ (effect.getEditor(), nullptr);
}

TEST (AudioEffectRecord, FlagSettersChangeOnlyTheirBit)
{
    RecordingEffect effect (nullptr);

    struct Setter { void (*apply) (RecordingEffect&, bool); int32_t bit; };

    const Setter setters[] = {
        { [] (RecordingEffect& e, bool s) { e.__hasClipDeprecated (s); }, 0x2 },
        { [] (RecordingEffect& e, bool s) { e.__hasVuDeprecated (s); }, 0x4 },
        { [] (RecordingEffect& e, bool s) { e.__canMonoDeprecated (s); }, 0x8 },
        { [] (RecordingEffect& e, bool s) { e.canProcessReplacing (s); }, 0x10 },
        { [] (RecordingEffect& e, bool s) { e.programsAreChunks (s); }, 0x20 },
        { [] (RecordingEffect& e, bool s) { e.isSynth (s); }, 0x100 },
        { [] (RecordingEffect& e, bool s) { e.noTail (s); }, 0x200 },
        { [] (RecordingEffect& e, bool s) { e.__wantAsyncOperationDeprecated (s); }, 0x400 },
        { [] (RecordingEffect& e, bool s) { e.__hasExternalBufferDeprecated (s); }, 0x800 },
        { [] (RecordingEffect& e, bool s) { e.canDoubleReplacing (s); }, 0x1000 },
    };

    for (const auto& setter : setters)
    {
        const auto before = effect.getFlags();
        setter.apply (effect, true);
        EXPECT_EQ (effect.getFlags(), before | setter.bit) << "bit " << setter.bit;
        setter.apply (effect, false);
        EXPECT_EQ (effect.getFlags(), before & ~setter.bit) << "bit " << setter.bit;
        setter.apply (effect, (before & setter.bit) != 0);
    }
}

TEST (AudioEffectRecord, FieldSettersStoreTheirArgument)
{
    RecordingEffect effect (nullptr);
    effect.setUniqueID (0x56707834);
    effect.setNumInputs (6);
    effect.setNumOutputs (8);
    effect.setInitialDelay (-3);
    effect.__setRealtimeQualitiesDeprecated (11);
    effect.__setOfflineQualitiesDeprecated (12);

    const auto* record = effect.getAeffect();
    EXPECT_EQ (record->uniqueID, 0x56707834);
    EXPECT_EQ (record->numInputs, 6);
    EXPECT_EQ (record->numOutputs, 8);
    EXPECT_EQ (record->initialDelay, -3);
    EXPECT_EQ (record->realtimeQualities, 11);
    EXPECT_EQ (record->offlineQualities, 12);
}

//==============================================================================
TEST (AudioEffectDispatcher, ProgramOpcodeIsBoundedAboveOnlyAndTheBaseIgnoresANegativeProgram)
{
    RecordingEffect effect (nullptr, 4);

    EXPECT_EQ (effect.dispatch (EffectOpcode::setProgram, 0, 4), 0);
    EXPECT_TRUE (effect.programCalls.empty());

    effect.dispatch (EffectOpcode::setProgram, 0, (int64_t) 1 << 40);
    effect.dispatch (EffectOpcode::setProgram, 0, -((int64_t) 1 << 32) + 2);
    EXPECT_TRUE (effect.programCalls.empty());

    effect.dispatch (EffectOpcode::setProgram, 0, 3);
    effect.dispatch (EffectOpcode::setProgram, 0, -1);
    ASSERT_EQ (effect.programCalls.size(), 2u);
    EXPECT_EQ (effect.programCalls[0], 3);
    EXPECT_EQ (effect.programCalls[1], -1);
    EXPECT_EQ (effect.dispatch (EffectOpcode::getProgram), 3);
}

TEST (AudioEffectDispatcher, ForwardsRatesResumeAndSuspend)
{
    RecordingEffect effect (nullptr);

    effect.dispatch (EffectOpcode::setSampleRate, 0, 0, nullptr, 48000.0f);
    effect.dispatch (EffectOpcode::setBlockSize, 0, 256);
    EXPECT_EQ (effect.getSampleRate(), 48000.0f);
    EXPECT_EQ (effect.getBlockSize(), 256);

    effect.dispatch (EffectOpcode::mainsChanged, 0, 5);
    effect.dispatch (EffectOpcode::mainsChanged, 0, 0);
    effect.dispatch (EffectOpcode::mainsChanged, 0, -1);
    EXPECT_EQ (effect.resumes, 2);
    EXPECT_EQ (effect.suspends, 1);

    effect.dispatch (EffectOpcode::open);
    EXPECT_EQ (effect.opens, 1);
}

TEST (AudioEffectDispatcher, IdentifiesAndAnswersUnusedOpcodesWithZero)
{
    RecordingEffect effect (nullptr);

    EXPECT_EQ (effect.dispatch (EffectOpcode::identify), 0x4E764566);

    for (int32_t opcode : { 9, 16, 17, 18, 20, 21 })
        EXPECT_EQ (effect.dispatch (opcode, 1, 1, nullptr, 1.0f), 0) << opcode;
}

TEST (AudioEffectDispatcher, ChunkOpcodesPassPresetFlagAndSignExtend)
{
    RecordingEffect effect (nullptr);
    void* data = nullptr;

    EXPECT_EQ (effect.dispatch (EffectOpcode::getChunk, 1, 0, &data), 7);
    EXPECT_EQ (data, effect.chunkBytes);
    EXPECT_TRUE (effect.lastChunkWasPreset);

    EXPECT_EQ (effect.dispatch (EffectOpcode::getChunk, 0, 0, &data), 7);
    EXPECT_FALSE (effect.lastChunkWasPreset);

    char bytes[3] = {};
    EXPECT_EQ (effect.dispatch (EffectOpcode::setChunk, 2, 3, bytes), -5);
    EXPECT_EQ (effect.lastSetChunk, bytes);
    EXPECT_EQ (effect.lastSetChunkSize, 3);
    EXPECT_TRUE (effect.lastChunkWasPreset);
}

TEST (AudioEffectDispatcher, EditorOpcodesNeedAnEditor)
{
    RecordingEffect effect (nullptr);
    ERect* rect = nullptr;
    int parent = 0;

    EXPECT_EQ (effect.dispatch (EffectOpcode::editorGetRect, 0, 0, &rect), 0);
    EXPECT_EQ (rect, nullptr);
    EXPECT_EQ (effect.dispatch (EffectOpcode::editorOpen, 0, 0, &parent), 0);
    EXPECT_EQ (effect.dispatch (EffectOpcode::editorClose), 0);
    EXPECT_EQ (effect.dispatch (EffectOpcode::editorIdle), 0);

    bool editorDeleted = false;
    auto* editor = new RecordingEditor (editorDeleted);
    effect.attachEditor (editor);

    EXPECT_EQ (effect.dispatch (EffectOpcode::editorGetRect, 0, 0, &rect), 1);
    EXPECT_EQ (rect, &editor->bounds);
    EXPECT_EQ (effect.dispatch (EffectOpcode::editorOpen, 0, 0, &parent), 1);
    EXPECT_EQ (editor->openedWith, &parent);
    EXPECT_EQ (effect.dispatch (EffectOpcode::editorClose), 0);
    EXPECT_EQ (effect.dispatch (EffectOpcode::editorIdle), 0);
    EXPECT_EQ (editor->closes, 1);
    EXPECT_EQ (editor->idles, 1);
    EXPECT_EQ (effect.getEditor(), editor);
}

TEST (AudioEffectDispatcher, CloseDeletesTheObjectAndItsEditor)
{
    bool effectDeleted = false, editorDeleted = false;
    auto* effect = new RecordingEffect (nullptr);
    effect->destroyed = &effectDeleted;
    effect->attachEditor (new RecordingEditor (editorDeleted));

    EXPECT_EQ (effect->dispatch (EffectOpcode::close), 1);
    EXPECT_TRUE (effectDeleted);
    EXPECT_TRUE (editorDeleted);
}

TEST (AudioEffectEntries, ParameterAndProcessEntriesReachTheObject)
{
    RecordingEffect effect (nullptr);
    auto* record = effect.getAeffect();

    record->setParameterEntry (record, 2, 0.75f);
    ASSERT_EQ (effect.parameterCalls.size(), 1u);
    EXPECT_EQ (effect.parameterCalls[0].index, 2);
    EXPECT_EQ (effect.parameterCalls[0].value, 0.75f);
    EXPECT_EQ (record->getParameterEntry (record, 3), 0.75f);

    float left[4] = {}, right[4] = {};
    float* channels[] = { left, right };
    record->processReplacingEntry (record, channels, channels, 4);
    record->processEntry (record, channels, channels, 4);
    ASSERT_EQ (effect.processedFrames.size(), 1u);
    EXPECT_EQ (effect.processedFrames[0], 4);
}

//==============================================================================
TEST (AudioEffectHostCalls, SetParameterAutomatedSetsThenTellsTheHost)
{
    StandInHost host;
    RecordingEffect effect (StandInHost::callback);

    effect.setParameterAutomated (5, 0.25f);

    ASSERT_EQ (effect.parameterCalls.size(), 1u);
    EXPECT_EQ (effect.parameterCalls[0].index, 5);

    const auto calls = host.getCalls (HostOpcode::automate);
    ASSERT_EQ (calls.size(), 1u);
    EXPECT_EQ (calls[0].effect, effect.getAeffect());
    EXPECT_EQ (calls[0].index, 5);
    EXPECT_EQ (calls[0].value, 0);
    EXPECT_EQ (calls[0].ptr, nullptr);
    EXPECT_EQ (calls[0].opt, 0.25f);
}

TEST (AudioEffectHostCalls, MasterQueriesMapAnswers)
{
    StandInHost host;
    RecordingEffect effect (StandInHost::callback);

    EXPECT_EQ (effect.getMasterVersion(), 1);
    host.setAnswer (HostOpcode::version, 2400);
    EXPECT_EQ (effect.getMasterVersion(), 2400);

    host.setAnswer (HostOpcode::currentId, 0x1234);
    EXPECT_EQ (effect.getCurrentUniqueId(), 0x1234);
    host.setAnswer (HostOpcode::idle, 3);
    EXPECT_EQ (effect.masterIdle(), 3);

    EXPECT_TRUE (effect.__isInputConnectedDeprecated (3));
    host.setAnswer (HostOpcode::pinConnected, 1);
    EXPECT_FALSE (effect.__isOutputConnectedDeprecated (4));

    const auto pinCalls = host.getCalls (HostOpcode::pinConnected);
    ASSERT_EQ (pinCalls.size(), 2u);
    EXPECT_EQ (pinCalls[0].index, 3);
    EXPECT_EQ (pinCalls[0].value, 0);
    EXPECT_EQ (pinCalls[1].index, 4);
    EXPECT_EQ (pinCalls[1].value, 1);
}

TEST (AudioEffectHostCalls, DefaultsWithoutACallback)
{
    RecordingEffect effect (nullptr);

    EXPECT_EQ (effect.getMasterVersion(), 1);
    EXPECT_EQ (effect.getCurrentUniqueId(), 0);
    EXPECT_EQ (effect.masterIdle(), 0);
    EXPECT_TRUE (effect.__isInputConnectedDeprecated (0));
    EXPECT_TRUE (effect.__isOutputConnectedDeprecated (0));

    effect.setParameterAutomated (1, 0.5f);
    EXPECT_EQ (effect.parameterCalls.size(), 1u);
}

//==============================================================================
namespace
{
    /** Formats into a buffer with guard bytes around the maxLen + 1 it may use. */
    template <typename Format>
    std::string formatGuarded (Format&& format, int32_t maxLen)
    {
        constexpr char guard = 0x5a;
        constexpr int guardLength = 16;
        std::string buffer ((size_t) (guardLength * 2 + maxLen + 1), guard);
        auto* text = &buffer[guardLength];

        format (text, maxLen);

        for (int i = 0; i < guardLength; ++i)
        {
            EXPECT_EQ (buffer[(size_t) i], guard) << "written before the buffer";
            EXPECT_EQ (buffer[(size_t) (guardLength + maxLen + 1 + i)], guard) << "written after the buffer";
        }

        EXPECT_EQ (text[maxLen], 0) << "no terminating zero at maxLen";
        return std::string (text);
    }

    std::string floatText (RecordingEffect& effect, float value, int32_t maxLen = 32)
    {
        return formatGuarded ([&] (char* text, int32_t length) { effect.float2string (value, text, length); }, maxLen);
    }

    std::string intText (RecordingEffect& effect, int32_t value, int32_t maxLen = 32)
    {
        return formatGuarded ([&] (char* text, int32_t length) { effect.int2string (value, text, length); }, maxLen);
    }
}

TEST (AudioEffectFormatters, FloatToStringUsesAnEightCharacterBudget)
{
    RecordingEffect effect (nullptr);

    EXPECT_EQ (floatText (effect, 1.5f), "1.500000");
    EXPECT_EQ (floatText (effect, -1.5f), "-1.50000");
    EXPECT_EQ (floatText (effect, 0.0f), "0.000000");
    EXPECT_EQ (floatText (effect, 1234567.0f), "1234567.");
    EXPECT_EQ (floatText (effect, -123.25f), "-123.250");
    EXPECT_EQ (floatText (effect, 0.9999999f), "0.999999");    // truncated, not rounded
    EXPECT_EQ (floatText (effect, 1.5f, 3), "1.5");
    EXPECT_EQ (floatText (effect, -1.5f, 1), "-");
    EXPECT_EQ (floatText (effect, 1.5f, 0), "");
}

TEST (AudioEffectFormatters, FloatToStringOutOfRangeIsHuge)
{
    RecordingEffect effect (nullptr);

    EXPECT_EQ (floatText (effect, -10000000.0f), "Huge!");
    EXPECT_EQ (floatText (effect, 100000000.0f), "Huge!");
    EXPECT_EQ (floatText (effect, 100000000.0f, 3), "Hug");
    EXPECT_EQ (floatText (effect, std::numeric_limits<float>::infinity()), "Huge!");
    EXPECT_EQ (floatText (effect, std::numeric_limits<float>::quiet_NaN()), "Huge!");

    // The range admits eight integer digits; all of them are shown.
    EXPECT_EQ (floatText (effect, 12345678.0f), "12345678.");
    EXPECT_EQ (floatText (effect, -9999999.0f), "-9999999.");
}

TEST (AudioEffectFormatters, IntToString)
{
    RecordingEffect effect (nullptr);

    EXPECT_EQ (intText (effect, -42), "-42");
    EXPECT_EQ (intText (effect, 1007), "1007");
    EXPECT_EQ (intText (effect, 99999999), "99999999");
    EXPECT_EQ (intText (effect, 100000000), "Huge!");
    EXPECT_EQ (intText (effect, 0), "0");
    EXPECT_EQ (intText (effect, -2147483647 - 1), "-2147483648");
    EXPECT_EQ (intText (effect, -123456, 4), "-123");
}

TEST (AudioEffectFormatters, UnitFormattersGoThroughFloatToString)
{
    RecordingEffect effect (nullptr);

    auto format = [&effect] (void (AudioEffect::*formatter) (float, char*, int32_t), float value)
    {
        return formatGuarded ([&] (char* text, int32_t length) { (effect.*formatter) (value, text, length); }, 16);
    };

    EXPECT_EQ (format (&AudioEffect::dB2string, 0.0f), "-oo");
    EXPECT_EQ (format (&AudioEffect::dB2string, -1.0f), "-oo");
    EXPECT_EQ (format (&AudioEffect::dB2string, 1.0f), "0.000000");
    EXPECT_EQ (format (&AudioEffect::dB2string, 10.0f), "20.00000");

    EXPECT_EQ (format (&AudioEffect::Hz2string, 0.0f), "0.000000");
    EXPECT_EQ (format (&AudioEffect::Hz2string, 441.0f), "100.0000");

    EXPECT_EQ (format (&AudioEffect::ms2string, 441.0f), "10.00000");
    effect.setSampleRate (48000.0f);
    EXPECT_EQ (format (&AudioEffect::ms2string, 48.0f), "1.000000");
}

TEST (AudioEffectFormatters, MissingBufferIsLeftAlone)
{
    RecordingEffect effect (nullptr);
    effect.float2string (1.0f, nullptr, 8);
    effect.int2string (1, nullptr, 8);
    effect.dB2string (0.0f, nullptr, 8);

    char text[4] = { 'x', 'x', 'x', 'x' };
    effect.int2string (5, text, -1);
    EXPECT_EQ (text[0], 'x');
}

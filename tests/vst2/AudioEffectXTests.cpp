#include "RecordingEffect.h"
#include "StandInHost.h"
#include "VstOpcodes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

//==============================================================================
TEST (AudioEffectXDispatcher, UnassignedOpcodesAnswerZero)
{
    RecordingEffect effect (nullptr);
    int something = 0;

    for (int32_t opcode : { 28, 30, 31, 32, 36, 37, 43, 46, 53, 54, 55, 57, 80, 81, 1000, -1 })
        EXPECT_EQ (effect.dispatch (opcode, 1, 1, &something, 1.0f), 0) << opcode;
}

TEST (AudioEffectXDispatcher, DefaultAnswers)
{
    RecordingEffect effect (nullptr);

    EXPECT_EQ (effect.dispatch (EffectOpcode::getVstVersion), 2400);
    EXPECT_EQ (effect.dispatch (EffectOpcode::getCurrentMidiProgram), -1);
    EXPECT_EQ (effect.dispatch (EffectOpcode::canBeAutomated, 3), 1);
    EXPECT_EQ (effect.dispatch (EffectOpcode::string2Parameter, 3), 0);
    EXPECT_EQ (effect.dispatch (EffectOpcode::getTailSize), 0);
    EXPECT_EQ (effect.dispatch (EffectOpcode::getVendorVersion), 0);
    EXPECT_EQ (effect.dispatch (EffectOpcode::setTotalSampleToProcess, 0, 4096), 4096);
    EXPECT_EQ (effect.dispatch (EffectOpcode::setTotalSampleToProcess, 0, -7), -7);
    EXPECT_EQ (effect.dispatch (EffectOpcode::getNumMidiInputChannels), 0);
}

TEST (AudioEffectXDispatcher, PlugCategoryFollowsTheSynthFlag)
{
    RecordingEffect effect (nullptr);

    EXPECT_EQ (effect.dispatch (EffectOpcode::getPlugCategory), 0);
    effect.isSynth (true);
    EXPECT_EQ (effect.dispatch (EffectOpcode::getPlugCategory), 2);
    effect.isSynth (false);
    EXPECT_EQ (effect.dispatch (EffectOpcode::getPlugCategory), 0);
}

TEST (AudioEffectXDispatcher, BypassTakesAnyNonZeroValue)
{
    RecordingEffect effect (nullptr);

    EXPECT_EQ (effect.dispatch (EffectOpcode::setBypass, 0, 5), 1);
    EXPECT_EQ (effect.dispatch (EffectOpcode::setBypass, 0, 0), 1);
    ASSERT_EQ (effect.bypassCalls.size(), 2u);
    EXPECT_TRUE (effect.bypassCalls[0]);
    EXPECT_FALSE (effect.bypassCalls[1]);
}

TEST (AudioEffectXDispatcher, ArgumentsAreMappedFromValueAndIndex)
{
    RecordingEffect effect (nullptr);
    char name[32] = {};

    effect.dispatch (EffectOpcode::getProgramNameIndexed, 7, 2, name);
    ASSERT_EQ (effect.indexedNameCalls.size(), 1u);
    EXPECT_EQ (effect.indexedNameCalls[0].category, 2);
    EXPECT_EQ (effect.indexedNameCalls[0].index, 7);

    VstSpeakerArrangement input {}, output {};
    EXPECT_EQ (effect.dispatch (EffectOpcode::setSpeakerArrangement, 0, (int64_t) (intptr_t) &input, &output), 1);
    EXPECT_EQ (effect.arrangementsSet.input, &input);
    EXPECT_EQ (effect.arrangementsSet.output, &output);

    // The default leaves no arrangement in either place.
    VstSpeakerArrangement* inputPlace = &input;
    VstSpeakerArrangement* outputPlace = &output;
    EXPECT_EQ (effect.dispatch (EffectOpcode::getSpeakerArrangement, 0, (int64_t) (intptr_t) &inputPlace, &outputPlace), 0);
    EXPECT_EQ (inputPlace, nullptr);
    EXPECT_EQ (outputPlace, nullptr);
    EXPECT_EQ (effect.dispatch (EffectOpcode::getSpeakerArrangement), 0);
}

TEST (AudioEffectXDispatcher, EditorKeyAndKnobOpcodes)
{
    RecordingEffect effect (nullptr);

    EXPECT_EQ (effect.dispatch (EffectOpcode::editorKeyDown, 65, 0x1234, nullptr, 258.7f), 0);
    EXPECT_EQ (effect.dispatch (EffectOpcode::editorKeyUp, 65, 1), 0);
    EXPECT_EQ (effect.dispatch (EffectOpcode::setEditorKnobMode, 0, 2), 0);

    bool editorDeleted = false;
    auto* editor = new RecordingEditor (editorDeleted);
    effect.attachEditor (editor);

    EXPECT_EQ (effect.dispatch (EffectOpcode::editorKeyDown, 65, 0x1234, nullptr, 258.7f), 1);
    EXPECT_EQ (effect.dispatch (EffectOpcode::editorKeyUp, -3, 0x0a, nullptr, 1.0e20f), 0);
    EXPECT_EQ (effect.dispatch (EffectOpcode::setEditorKnobMode, 0, 2), 1);

    ASSERT_EQ (editor->keysDown.size(), 1u);
    EXPECT_EQ (editor->keysDown[0].character, 65);
    EXPECT_EQ (editor->keysDown[0].virtualKey, 0x34);
    EXPECT_EQ (editor->keysDown[0].modifiers, 258 & 0xff);

    ASSERT_EQ (editor->keysUp.size(), 1u);
    EXPECT_EQ (editor->keysUp[0].character, -3);
    EXPECT_EQ (editor->keysUp[0].virtualKey, 0x0a);
    EXPECT_EQ (editor->keysUp[0].modifiers, 0);

    ASSERT_EQ (editor->knobModes.size(), 1u);
    EXPECT_EQ (editor->knobModes[0], 2);
}

TEST (AudioEffectXDispatcher, BaseOpcodesStillReachTheBase)
{
    RecordingEffect effect (nullptr);
    EXPECT_EQ (effect.dispatch (EffectOpcode::identify), 0x4E764566);
    effect.dispatch (EffectOpcode::setProgram, 0, 2);
    EXPECT_EQ (effect.dispatch (EffectOpcode::getProgram), 2);
}

//==============================================================================
TEST (AudioEffectXHostCalls, ArgumentMapping)
{
    StandInHost host;
    host.setAnswer (HostOpcode::sizeWindow, 1);
    RecordingEffect effect (StandInHost::callback);
    int marker = 0;
    auto* files = reinterpret_cast<VstAudioFile*> (&marker);
    auto* task = reinterpret_cast<VstOfflineTask*> (&marker);

    EXPECT_TRUE (effect.sizeWindow (325, 454));
    effect.beginEdit (4);
    effect.endEdit (5);
    effect.offlineStart (files, 3, 2);
    effect.offlineRead (task, vstOfflineMarker, true);
    effect.offlineWrite (task, vstOfflineCursor);
    effect.__wantEventsDeprecated (1);
    effect.__tempoAtDeprecated (777);
    effect.__setOutputSamplerateDeprecated (22050.0f);
    effect.hostVendorSpecific (9, 10, &marker, 1.5f);
    effect.__getPreviousPlugDeprecated (6);

    auto only = [&host] (int32_t opcode)
    {
        const auto calls = host.getCalls (opcode);
        EXPECT_EQ (calls.size(), 1u) << "host opcode " << opcode;
        return calls.empty() ? StandInHost::Call {} : calls[0];
    };

    auto sizeCall = only (HostOpcode::sizeWindow);
    EXPECT_EQ (sizeCall.index, 325);
    EXPECT_EQ (sizeCall.value, 454);
    EXPECT_EQ (sizeCall.effect, effect.getAeffect());

    EXPECT_EQ (only (HostOpcode::beginEdit).index, 4);
    EXPECT_EQ (only (HostOpcode::endEdit).index, 5);

    auto startCall = only (HostOpcode::offlineStart);
    EXPECT_EQ (startCall.index, 2);
    EXPECT_EQ (startCall.value, 3);
    EXPECT_EQ (startCall.ptr, &marker);

    auto readCall = only (HostOpcode::offlineRead);
    EXPECT_EQ (readCall.index, 1);
    EXPECT_EQ (readCall.value, vstOfflineMarker);
    EXPECT_EQ (readCall.ptr, &marker);

    auto writeCall = only (HostOpcode::offlineWrite);
    EXPECT_EQ (writeCall.index, 0);
    EXPECT_EQ (writeCall.value, vstOfflineCursor);

    EXPECT_EQ (only (HostOpcode::wantEvents).value, 1);
    EXPECT_EQ (only (HostOpcode::tempoAt).value, 777);
    EXPECT_EQ (only (HostOpcode::setOutputSampleRate).opt, 22050.0f);

    auto vendorCall = only (HostOpcode::vendorSpecific);
    EXPECT_EQ (vendorCall.index, 9);
    EXPECT_EQ (vendorCall.value, 10);
    EXPECT_EQ (vendorCall.ptr, &marker);
    EXPECT_EQ (vendorCall.opt, 1.5f);

    auto plugCall = only (HostOpcode::getPreviousPlug);
    EXPECT_EQ (plugCall.index, 0);
    EXPECT_EQ (plugCall.value, 0);
}

TEST (AudioEffectXHostCalls, AnswersAreMapped)
{
    StandInHost host;
    RecordingEffect effect (StandInHost::callback);
    char text[] = "sizeWindow";

    host.setAnswer (HostOpcode::canDo, -1);
    EXPECT_EQ (effect.canHostDo (text), 1);
    host.setAnswer (HostOpcode::canDo, 0);
    EXPECT_EQ (effect.canHostDo (text), 0);

    host.setAnswer (HostOpcode::offlineGetCurrentPass, 5);
    EXPECT_EQ (effect.offlineGetCurrentPass(), 1);
    EXPECT_EQ (effect.offlineGetCurrentMetaPass(), 0);

    host.setAnswer (HostOpcode::getCurrentProcessLevel, 4);
    EXPECT_EQ (effect.getCurrentProcessLevel(), 4);

    host.timeInfo.tempo = 133.0;
    auto* timeInfo = effect.getTimeInfo (VstTimeInfo::allOptionalFields);
    EXPECT_EQ (timeInfo, &host.timeInfo);
    EXPECT_EQ (host.getCalls (HostOpcode::getTime).back().value, 0xfe00);

    host.setAnswer (HostOpcode::getDirectory, (int64_t) (intptr_t) text);
    EXPECT_EQ (effect.getDirectory(), text);

    EXPECT_FALSE (effect.openFileSelector (nullptr));
    EXPECT_FALSE (effect.closeFileSelector (nullptr));
    EXPECT_FALSE (effect.__getChunkFileDeprecated (nullptr));
    EXPECT_EQ (host.countCalls (HostOpcode::openFileSelector), 0);
    EXPECT_EQ (host.countCalls (HostOpcode::closeFileSelector), 0);
    EXPECT_EQ (host.countCalls (HostOpcode::getChunkFile), 0);
}

TEST (AudioEffectXHostCalls, DefaultsWithoutACallback)
{
    RecordingEffect effect (nullptr);
    char text[16] = "x";

    EXPECT_EQ (effect.getTimeInfo (VstTimeInfo::allOptionalFields), nullptr);
    EXPECT_FALSE (effect.ioChanged());
    EXPECT_FALSE (effect.updateDisplay());
    EXPECT_FALSE (effect.sizeWindow (1, 1));
    EXPECT_FALSE (effect.beginEdit (0));
    EXPECT_FALSE (effect.endEdit (0));
    EXPECT_FALSE (effect.getHostVendorString (text));
    EXPECT_EQ (effect.canHostDo (text), 0);
    EXPECT_EQ (effect.getCurrentProcessLevel(), 0);
    EXPECT_EQ (effect.getInputLatency(), 0);
    EXPECT_EQ (effect.getDirectory(), nullptr);
    EXPECT_EQ (effect.__getInputSpeakerArrangementDeprecated(), nullptr);
    EXPECT_EQ (effect.updateSampleRate(), 44100.0);
    EXPECT_EQ (effect.updateBlockSize(), 1024);
}

TEST (AudioEffectXHostCalls, UpdateSampleRateAndBlockSizeKeepOnlyPositiveAnswers)
{
    StandInHost host;
    RecordingEffect effect (StandInHost::callback);

    EXPECT_EQ (effect.updateSampleRate(), 44100.0);
    host.setAnswer (HostOpcode::getSampleRate, 48000);
    EXPECT_EQ (effect.updateSampleRate(), 48000.0);
    EXPECT_EQ (effect.getSampleRate(), 48000.0f);
    host.setAnswer (HostOpcode::getSampleRate, -1);
    EXPECT_EQ (effect.updateSampleRate(), 48000.0);

    host.setAnswer (HostOpcode::getBlockSize, 512);
    EXPECT_EQ (effect.updateBlockSize(), 512);
    host.setAnswer (HostOpcode::getBlockSize, 0);
    EXPECT_EQ (effect.updateBlockSize(), 512);
    EXPECT_EQ (effect.getBlockSize(), 512);
}

TEST (AudioEffectXHostCalls, ResumeAsksForEventsOnlyForSynthsAndMidiEffects)
{
    StandInHost host;
    RecordingEffect effect (StandInHost::callback);

    effect.dispatch (EffectOpcode::mainsChanged, 0, 1);
    EXPECT_EQ (host.countCalls (HostOpcode::wantEvents), 0);

    effect.canDoAnswer = 1;
    effect.dispatch (EffectOpcode::mainsChanged, 0, 1);
    EXPECT_EQ (host.countCalls (HostOpcode::wantEvents), 1);

    effect.canDoAnswer = -1;
    effect.isSynth (true);
    effect.dispatch (EffectOpcode::mainsChanged, 0, 1);
    ASSERT_EQ (host.countCalls (HostOpcode::wantEvents), 2);
    EXPECT_EQ (host.getCalls (HostOpcode::wantEvents).back().value, 1);
}

//==============================================================================
TEST (AudioEffectXArrangements, AllocateGivesAZeroedArrangement)
{
    RecordingEffect effect (nullptr);
    VstSpeakerArrangement* arrangement = nullptr;

    ASSERT_TRUE (effect.allocateArrangement (&arrangement, 2));
    ASSERT_NE (arrangement, nullptr);
    EXPECT_EQ (VstSpeakerArrangement::getSizeFor (2), 232u);
    EXPECT_EQ (arrangement->numChannels, 2);

    auto* bytes = reinterpret_cast<const unsigned char*> (arrangement);
    size_t nonZeroBytes = 0;

    for (size_t i = 0; i < 232; ++i)
        nonZeroBytes += (i < 4 || i >= 8) && bytes[i] != 0 ? 1 : 0;

    EXPECT_EQ (nonZeroBytes, 0u);

    // Allocating again frees the first arrangement (the sanitizer build finds a leak otherwise).
    arrangement->type = 7;
    ASSERT_TRUE (effect.allocateArrangement (&arrangement, 0));
    EXPECT_EQ (arrangement->numChannels, 0);
    EXPECT_EQ (arrangement->type, 0);

    EXPECT_TRUE (effect.deallocateArrangement (&arrangement));
    EXPECT_EQ (arrangement, nullptr);
    EXPECT_TRUE (effect.deallocateArrangement (&arrangement));

    EXPECT_FALSE (effect.allocateArrangement (nullptr, 2));
    EXPECT_FALSE (effect.allocateArrangement (&arrangement, -1));
    EXPECT_EQ (arrangement, nullptr);
    EXPECT_FALSE (effect.deallocateArrangement (nullptr));
}

TEST (AudioEffectXArrangements, CopySpeakerCutsTheName)
{
    RecordingEffect effect (nullptr);
    VstSpeakerProperties from {}, to {};

    std::memset (from.name, 'n', sizeof (from.name));
    from.azimuth = 0.5f;
    from.elevation = -0.25f;
    from.radius = 2.0f;
    from.reserved = 3.0f;
    from.type = 6;
    std::memset (from.future, 9, sizeof (from.future));
    std::memset (to.name, 'x', sizeof (to.name));

    ASSERT_TRUE (effect.copySpeaker (&to, &from));
    EXPECT_EQ (std::string (to.name), std::string (63, 'n'));
    EXPECT_EQ (to.azimuth, 0.5f);
    EXPECT_EQ (to.elevation, -0.25f);
    EXPECT_EQ (to.radius, 2.0f);
    EXPECT_EQ (to.reserved, 3.0f);
    EXPECT_EQ (to.type, 6);
    EXPECT_EQ (std::memcmp (to.future, from.future, sizeof (to.future)), 0);

    EXPECT_FALSE (effect.copySpeaker (nullptr, &from));
    EXPECT_FALSE (effect.copySpeaker (&to, nullptr));
}

TEST (AudioEffectXArrangements, MatchCopiesEveryChannel)
{
    RecordingEffect effect (nullptr);
    VstSpeakerArrangement* source = nullptr;
    VstSpeakerArrangement* target = nullptr;

    ASSERT_TRUE (effect.allocateArrangement (&source, 3));
    source->type = 10;

    for (int32_t channel = 0; channel < 3; ++channel)
    {
        auto* speaker = source->getSpeaker (channel);
        speaker->type = channel + 1;
        speaker->azimuth = (float) channel;
        std::strcpy (speaker->name, channel == 0 ? "L" : channel == 1 ? "R" : "C");
    }

    ASSERT_TRUE (effect.allocateArrangement (&target, 8));
    ASSERT_TRUE (effect.matchArrangement (&target, source));
    ASSERT_NE (target, source);
    EXPECT_EQ (target->type, 10);
    EXPECT_EQ (target->numChannels, 3);

    for (int32_t channel = 0; channel < 3; ++channel)
    {
        EXPECT_EQ (target->getSpeaker (channel)->type, channel + 1);
        EXPECT_EQ (target->getSpeaker (channel)->azimuth, (float) channel);
        EXPECT_STREQ (target->getSpeaker (channel)->name, source->getSpeaker (channel)->name);
    }

    EXPECT_FALSE (effect.matchArrangement (&target, nullptr));
    EXPECT_FALSE (effect.matchArrangement (nullptr, source));

    // Onto itself: kept as it is (the sanitizer build sees a read of freed memory otherwise).
    auto* const original = target;
    ASSERT_TRUE (effect.matchArrangement (&target, target));
    EXPECT_EQ (target, original);
    EXPECT_EQ (target->numChannels, 3);
    EXPECT_STREQ (target->getSpeaker (2)->name, "C");

    effect.deallocateArrangement (&source);
    effect.deallocateArrangement (&target);
}

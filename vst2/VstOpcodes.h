#pragma once

#include <cstdint>

/** Opcodes the host sends through the record's dispatcher entry. */
namespace EffectOpcode
{
    constexpr int32_t open = 0;
    constexpr int32_t close = 1;
    constexpr int32_t setProgram = 2;
    constexpr int32_t getProgram = 3;
    constexpr int32_t setProgramName = 4;
    constexpr int32_t getProgramName = 5;
    constexpr int32_t getParameterLabel = 6;
    constexpr int32_t getParameterDisplay = 7;
    constexpr int32_t getParameterName = 8;
    constexpr int32_t setSampleRate = 10;
    constexpr int32_t setBlockSize = 11;
    constexpr int32_t mainsChanged = 12;
    constexpr int32_t editorGetRect = 13;
    constexpr int32_t editorOpen = 14;
    constexpr int32_t editorClose = 15;
    constexpr int32_t editorIdle = 19;
    constexpr int32_t identify = 22;
    constexpr int32_t getChunk = 23;
    constexpr int32_t setChunk = 24;
    constexpr int32_t processEvents = 25;
    constexpr int32_t canBeAutomated = 26;
    constexpr int32_t string2Parameter = 27;
    constexpr int32_t getProgramNameIndexed = 29;
    constexpr int32_t getInputProperties = 33;
    constexpr int32_t getOutputProperties = 34;
    constexpr int32_t getPlugCategory = 35;
    constexpr int32_t offlineNotify = 38;
    constexpr int32_t offlinePrepare = 39;
    constexpr int32_t offlineRun = 40;
    constexpr int32_t processVariableIo = 41;
    constexpr int32_t setSpeakerArrangement = 42;
    constexpr int32_t setBypass = 44;
    constexpr int32_t getEffectName = 45;
    constexpr int32_t getVendorString = 47;
    constexpr int32_t getProductString = 48;
    constexpr int32_t getVendorVersion = 49;
    constexpr int32_t vendorSpecific = 50;
    constexpr int32_t canDo = 51;
    constexpr int32_t getTailSize = 52;
    constexpr int32_t getParameterProperties = 56;
    constexpr int32_t getVstVersion = 58;
    constexpr int32_t editorKeyDown = 59;
    constexpr int32_t editorKeyUp = 60;
    constexpr int32_t setEditorKnobMode = 61;
    constexpr int32_t getMidiProgramName = 62;
    constexpr int32_t getCurrentMidiProgram = 63;
    constexpr int32_t getMidiProgramCategory = 64;
    constexpr int32_t hasMidiProgramsChanged = 65;
    constexpr int32_t getMidiKeyName = 66;
    constexpr int32_t beginSetProgram = 67;
    constexpr int32_t endSetProgram = 68;
    constexpr int32_t getSpeakerArrangement = 69;
    constexpr int32_t getNextShellPlugin = 70;
    constexpr int32_t startProcess = 71;
    constexpr int32_t stopProcess = 72;
    constexpr int32_t setTotalSampleToProcess = 73;
    constexpr int32_t setPanLaw = 74;
    constexpr int32_t beginLoadBank = 75;
    constexpr int32_t beginLoadProgram = 76;
    constexpr int32_t setProcessPrecision = 77;
    constexpr int32_t getNumMidiInputChannels = 78;
    constexpr int32_t getNumMidiOutputChannels = 79;
}

/** Opcodes the effect sends through the host callback. */
namespace HostOpcode
{
    constexpr int32_t automate = 0;
    constexpr int32_t version = 1;
    constexpr int32_t currentId = 2;
    constexpr int32_t idle = 3;
    constexpr int32_t pinConnected = 4;
    constexpr int32_t wantEvents = 6;
    constexpr int32_t getTime = 7;
    constexpr int32_t tempoAt = 10;
    constexpr int32_t getNumAutomatableParameters = 11;
    constexpr int32_t getParameterQuantization = 12;
    constexpr int32_t ioChanged = 13;
    constexpr int32_t needIdle = 14;
    constexpr int32_t sizeWindow = 15;
    constexpr int32_t getSampleRate = 16;
    constexpr int32_t getBlockSize = 17;
    constexpr int32_t getInputLatency = 18;
    constexpr int32_t getOutputLatency = 19;
    constexpr int32_t getPreviousPlug = 20;
    constexpr int32_t getNextPlug = 21;
    constexpr int32_t willReplaceOrAccumulate = 22;
    constexpr int32_t getCurrentProcessLevel = 23;
    constexpr int32_t getAutomationState = 24;
    constexpr int32_t offlineStart = 25;
    constexpr int32_t offlineRead = 26;
    constexpr int32_t offlineWrite = 27;
    constexpr int32_t offlineGetCurrentPass = 28;
    constexpr int32_t offlineGetCurrentMetaPass = 29;
    constexpr int32_t setOutputSampleRate = 30;
    constexpr int32_t getOutputSpeakerArrangement = 31;
    constexpr int32_t getVendorString = 32;
    constexpr int32_t getProductString = 33;
    constexpr int32_t getVendorVersion = 34;
    constexpr int32_t vendorSpecific = 35;
    constexpr int32_t canDo = 37;
    constexpr int32_t getLanguage = 38;
    constexpr int32_t openWindow = 39;
    constexpr int32_t closeWindow = 40;
    constexpr int32_t getDirectory = 41;
    constexpr int32_t updateDisplay = 42;
    constexpr int32_t beginEdit = 43;
    constexpr int32_t endEdit = 44;
    constexpr int32_t openFileSelector = 45;
    constexpr int32_t closeFileSelector = 46;
    constexpr int32_t getChunkFile = 48;
    constexpr int32_t getInputSpeakerArrangement = 49;
}

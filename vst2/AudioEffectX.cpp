#include "AudioEffectX.h"
#include "VstOpcodes.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace
{
    constexpr int32_t vstVersion = 2400;
    constexpr int32_t synthCategory = 2;
    constexpr int32_t unknownCategory = 0;

    constexpr size_t speakerNameLength = sizeof (VstSpeakerProperties::name);

    /** The integer part of a float for the key-code record's modifier byte;
        0 where the float has no integer value that fits.
    */
    int32_t truncateToInt32 (float value) noexcept
    {
        constexpr float limit = 2147483648.0f;
        return std::isfinite (value) && std::fabs (value) < limit ? (int32_t) value : 0;
    }

    VstKeyCode makeKeyCode (int32_t index, int64_t value, float opt) noexcept
    {
        return { index,
                 (unsigned char) (value & 0xff),
                 (unsigned char) (truncateToInt32 (opt) & 0xff) };
    }

    int64_t asResult (bool state) noexcept     { return state ? 1 : 0; }
}

AudioEffectX::AudioEffectX (HostCallback callback, int32_t programs, int32_t params)
    : AudioEffect (callback, programs, params)
{
}

//==============================================================================
int64_t AudioEffectX::dispatcher (int32_t opcode, int32_t index, int64_t value, void* ptr, float opt)
{
    auto* text = static_cast<char*> (ptr);

    switch (opcode)
    {
        case EffectOpcode::processEvents:           return processEvents (static_cast<VstEvents*> (ptr));
        case EffectOpcode::canBeAutomated:          return asResult (canParameterBeAutomated (index));
        case EffectOpcode::string2Parameter:        return asResult (string2parameter (index, text));
        case EffectOpcode::getProgramNameIndexed:   return asResult (getProgramNameIndexed ((int32_t) value, index, text));
        case EffectOpcode::getInputProperties:      return asResult (getInputProperties (index, static_cast<VstPinProperties*> (ptr)));
        case EffectOpcode::getOutputProperties:     return asResult (getOutputProperties (index, static_cast<VstPinProperties*> (ptr)));
        case EffectOpcode::getPlugCategory:         return (int64_t) (uint32_t) getPlugCategory();
        case EffectOpcode::offlineNotify:           return asResult (offlineNotify (static_cast<VstAudioFile*> (ptr), (int32_t) value, index != 0));
        case EffectOpcode::offlinePrepare:          return asResult (offlinePrepare (static_cast<VstOfflineTask*> (ptr), (int32_t) value));
        case EffectOpcode::offlineRun:              return asResult (offlineRun (static_cast<VstOfflineTask*> (ptr), (int32_t) value));
        case EffectOpcode::processVariableIo:       return asResult (processVariableIo (static_cast<VstVariableIo*> (ptr)));

        case EffectOpcode::setSpeakerArrangement:
            return asResult (setSpeakerArrangement (reinterpret_cast<VstSpeakerArrangement*> ((intptr_t) value),
                                                    static_cast<VstSpeakerArrangement*> (ptr)));

        case EffectOpcode::setBypass:               return asResult (setBypass (value != 0));
        case EffectOpcode::getEffectName:           return asResult (getEffectName (text));
        case EffectOpcode::getVendorString:         return asResult (getVendorString (text));
        case EffectOpcode::getProductString:        return asResult (getProductString (text));
        case EffectOpcode::getVendorVersion:        return getVendorVersion();
        case EffectOpcode::vendorSpecific:          return vendorSpecific (index, value, ptr, opt);
        case EffectOpcode::canDo:                   return canDo (text);
        case EffectOpcode::getTailSize:             return getGetTailSize();
        case EffectOpcode::getParameterProperties:  return asResult (getParameterProperties (index, static_cast<VstParameterProperties*> (ptr)));
        case EffectOpcode::getVstVersion:           return getVstVersion();

        case EffectOpcode::editorKeyDown:
        case EffectOpcode::editorKeyUp:
        {
            if (editor == nullptr)
                return 0;

            auto keyCode = makeKeyCode (index, value, opt);
            return asResult (opcode == EffectOpcode::editorKeyDown ? editor->onKeyDown (keyCode)
                                                                  : editor->onKeyUp (keyCode));
        }

        case EffectOpcode::setEditorKnobMode:
            return editor != nullptr ? asResult (editor->setKnobMode ((int32_t) value)) : 0;

        case EffectOpcode::getMidiProgramName:      return getMidiProgramName (index, static_cast<MidiProgramName*> (ptr));
        case EffectOpcode::getCurrentMidiProgram:   return getCurrentMidiProgram (index, static_cast<MidiProgramName*> (ptr));
        case EffectOpcode::getMidiProgramCategory:  return getMidiProgramCategory (index, static_cast<MidiProgramCategory*> (ptr));
        case EffectOpcode::hasMidiProgramsChanged:  return asResult (hasMidiProgramsChanged (index));
        case EffectOpcode::getMidiKeyName:          return asResult (getMidiKeyName (index, static_cast<MidiKeyName*> (ptr)));
        case EffectOpcode::beginSetProgram:         return asResult (beginSetProgram());
        case EffectOpcode::endSetProgram:           return asResult (endSetProgram());

        case EffectOpcode::getSpeakerArrangement:
            return asResult (getSpeakerArrangement (reinterpret_cast<VstSpeakerArrangement**> ((intptr_t) value),
                                                    static_cast<VstSpeakerArrangement**> (ptr)));

        case EffectOpcode::getNextShellPlugin:      return getNextShellPlugin (text);
        case EffectOpcode::startProcess:            return startProcess();
        case EffectOpcode::stopProcess:             return stopProcess();
        case EffectOpcode::setTotalSampleToProcess: return setTotalSampleToProcess ((int32_t) value);
        case EffectOpcode::setPanLaw:               return asResult (setPanLaw ((int32_t) value, opt));
        case EffectOpcode::beginLoadBank:           return beginLoadBank (static_cast<VstPatchChunkInfo*> (ptr));
        case EffectOpcode::beginLoadProgram:        return beginLoadProgram (static_cast<VstPatchChunkInfo*> (ptr));
        case EffectOpcode::setProcessPrecision:     return asResult (setProcessPrecision ((int32_t) value));
        case EffectOpcode::getNumMidiInputChannels: return getNumMidiInputChannels();
        case EffectOpcode::getNumMidiOutputChannels:return getNumMidiOutputChannels();

        default:
            break;
    }

    return AudioEffect::dispatcher (opcode, index, value, ptr, opt);
}

void AudioEffectX::resume()
{
    char midiEventsQuery[] = "receiveVstMidiEvent";

    if ((aeffect.flags & EffectFlags::isSynth) != 0 || canDo (midiEventsQuery) == 1)
        __wantEventsDeprecated (1);
}

//==============================================================================
bool AudioEffectX::beginEdit (int32_t index)     { return callHost (HostOpcode::beginEdit, index) != 0; }
bool AudioEffectX::endEdit (int32_t index)       { return callHost (HostOpcode::endEdit, index) != 0; }
bool AudioEffectX::ioChanged()                   { return callHost (HostOpcode::ioChanged) != 0; }

double AudioEffectX::updateSampleRate()
{
    const auto answer = callHost (HostOpcode::getSampleRate);

    if (answer > 0)
        sampleRate = (float) answer;

    return (double) sampleRate;
}

int32_t AudioEffectX::updateBlockSize()
{
    const auto answer = (int32_t) callHost (HostOpcode::getBlockSize);

    if (answer > 0)
        blockSize = answer;

    return blockSize;
}

int32_t AudioEffectX::getInputLatency()          { return (int32_t) callHost (HostOpcode::getInputLatency); }
int32_t AudioEffectX::getOutputLatency()         { return (int32_t) callHost (HostOpcode::getOutputLatency); }

bool AudioEffectX::getSpeakerArrangement (VstSpeakerArrangement** input, VstSpeakerArrangement** output)
{
    if (input != nullptr)
        *input = nullptr;

    if (output != nullptr)
        *output = nullptr;

    return false;
}

VstTimeInfo* AudioEffectX::getTimeInfo (int32_t filter)
{
    return reinterpret_cast<VstTimeInfo*> ((intptr_t) callHost (HostOpcode::getTime, 0, filter));
}

int32_t AudioEffectX::getCurrentProcessLevel()   { return (int32_t) callHost (HostOpcode::getCurrentProcessLevel); }
int32_t AudioEffectX::getAutomationState()       { return (int32_t) callHost (HostOpcode::getAutomationState); }

bool AudioEffectX::getHostVendorString (char* text)
{
    return callHost (HostOpcode::getVendorString, 0, 0, text) != 0;
}

bool AudioEffectX::getHostProductString (char* text)
{
    return callHost (HostOpcode::getProductString, 0, 0, text) != 0;
}

int32_t AudioEffectX::getHostVendorVersion()     { return (int32_t) callHost (HostOpcode::getVendorVersion); }

int64_t AudioEffectX::hostVendorSpecific (int32_t arg1, int64_t arg2, void* ptrArg, float floatArg)
{
    return callHost (HostOpcode::vendorSpecific, arg1, arg2, ptrArg, floatArg);
}

int32_t AudioEffectX::canHostDo (char* text)     { return callHost (HostOpcode::canDo, 0, 0, text) != 0 ? 1 : 0; }
int32_t AudioEffectX::getHostLanguage()          { return (int32_t) callHost (HostOpcode::getLanguage); }
void* AudioEffectX::getDirectory()               { return reinterpret_cast<void*> ((intptr_t) callHost (HostOpcode::getDirectory)); }

int32_t AudioEffectX::getVstVersion()            { return vstVersion; }

int32_t AudioEffectX::getPlugCategory()
{
    return (aeffect.flags & EffectFlags::isSynth) != 0 ? synthCategory : unknownCategory;
}

bool AudioEffectX::updateDisplay()               { return callHost (HostOpcode::updateDisplay) != 0; }

bool AudioEffectX::sizeWindow (int32_t width, int32_t height)
{
    return callHost (HostOpcode::sizeWindow, width, height) != 0;
}

bool AudioEffectX::openFileSelector (VstFileSelect* select)
{
    return select != nullptr && callHost (HostOpcode::openFileSelector, 0, 0, select) != 0;
}

bool AudioEffectX::closeFileSelector (VstFileSelect* select)
{
    return select != nullptr && callHost (HostOpcode::closeFileSelector, 0, 0, select) != 0;
}

//==============================================================================
bool AudioEffectX::allocateArrangement (VstSpeakerArrangement** arrangement, int32_t channels)
{
    if (arrangement == nullptr || channels < 0)
        return false;

    std::free (*arrangement);
    *arrangement = static_cast<VstSpeakerArrangement*> (std::calloc (1, VstSpeakerArrangement::getSizeFor (channels)));

    if (*arrangement == nullptr)
        return false;

    (*arrangement)->numChannels = channels;
    return true;
}

bool AudioEffectX::deallocateArrangement (VstSpeakerArrangement** arrangement)
{
    if (arrangement == nullptr)
        return false;

    std::free (*arrangement);
    *arrangement = nullptr;
    return true;
}

bool AudioEffectX::copySpeaker (VstSpeakerProperties* to, VstSpeakerProperties* from)
{
    if (to == nullptr || from == nullptr)
        return false;

    std::strncpy (to->name, from->name, speakerNameLength - 1);
    to->name[speakerNameLength - 1] = 0;
    to->type = from->type;
    to->azimuth = from->azimuth;
    to->elevation = from->elevation;
    to->radius = from->radius;
    to->reserved = from->reserved;
    std::memcpy (to->future, from->future, sizeof (to->future));
    return true;
}

bool AudioEffectX::matchArrangement (VstSpeakerArrangement** to, VstSpeakerArrangement* from)
{
    if (from == nullptr)
        return false;

    // Onto itself it already matches; freeing it first would leave nothing to copy.
    if (to != nullptr && *to == from)
        return true;

    if (! deallocateArrangement (to) || ! allocateArrangement (to, from->numChannels))
        return false;

    (*to)->type = from->type;

    for (int32_t channel = 0; channel < from->numChannels; ++channel)
        if (! copySpeaker ((*to)->getSpeaker (channel), from->getSpeaker (channel)))
            return false;

    return true;
}

//==============================================================================
bool AudioEffectX::offlineRead (VstOfflineTask* offline, VstOfflineOption option, bool readSource)
{
    return callHost (HostOpcode::offlineRead, readSource ? 1 : 0, option, offline) != 0;
}

bool AudioEffectX::offlineWrite (VstOfflineTask* offline, VstOfflineOption option)
{
    return callHost (HostOpcode::offlineWrite, 0, option, offline) != 0;
}

bool AudioEffectX::offlineStart (VstAudioFile* files, int32_t numAudioFiles, int32_t numNewAudioFiles)
{
    return callHost (HostOpcode::offlineStart, numNewAudioFiles, numAudioFiles, files) != 0;
}

int32_t AudioEffectX::offlineGetCurrentPass()        { return callHost (HostOpcode::offlineGetCurrentPass) != 0 ? 1 : 0; }
int32_t AudioEffectX::offlineGetCurrentMetaPass()    { return callHost (HostOpcode::offlineGetCurrentMetaPass) != 0 ? 1 : 0; }

//==============================================================================
int32_t AudioEffectX::__wantEventsDeprecated (int32_t filter)       { return (int32_t) callHost (HostOpcode::wantEvents, 0, filter); }
int32_t AudioEffectX::__tempoAtDeprecated (int32_t position)        { return (int32_t) callHost (HostOpcode::tempoAt, 0, position); }
int32_t AudioEffectX::__getNumAutomatableParametersDeprecated()     { return (int32_t) callHost (HostOpcode::getNumAutomatableParameters); }
int32_t AudioEffectX::__getParameterQuantizationDeprecated()        { return (int32_t) callHost (HostOpcode::getParameterQuantization); }
bool AudioEffectX::__needIdleDeprecated()                           { return callHost (HostOpcode::needIdle) != 0; }

// The superseded plug queries never passed the pin to the host.
AEffect* AudioEffectX::__getPreviousPlugDeprecated (int32_t)
{
    return reinterpret_cast<AEffect*> ((intptr_t) callHost (HostOpcode::getPreviousPlug));
}

AEffect* AudioEffectX::__getNextPlugDeprecated (int32_t)
{
    return reinterpret_cast<AEffect*> ((intptr_t) callHost (HostOpcode::getNextPlug));
}

int32_t AudioEffectX::__willProcessReplacingDeprecated()            { return (int32_t) callHost (HostOpcode::willReplaceOrAccumulate); }

void AudioEffectX::__setOutputSamplerateDeprecated (float rate)
{
    callHost (HostOpcode::setOutputSampleRate, 0, 0, nullptr, rate);
}

VstSpeakerArrangement* AudioEffectX::__getInputSpeakerArrangementDeprecated()
{
    return reinterpret_cast<VstSpeakerArrangement*> ((intptr_t) callHost (HostOpcode::getInputSpeakerArrangement));
}

VstSpeakerArrangement* AudioEffectX::__getOutputSpeakerArrangementDeprecated()
{
    return reinterpret_cast<VstSpeakerArrangement*> ((intptr_t) callHost (HostOpcode::getOutputSpeakerArrangement));
}

void* AudioEffectX::__openWindowDeprecated (__VstWindowDeprecated* window)
{
    return reinterpret_cast<void*> ((intptr_t) callHost (HostOpcode::openWindow, 0, 0, window));
}

bool AudioEffectX::__closeWindowDeprecated (__VstWindowDeprecated* window)
{
    return callHost (HostOpcode::closeWindow, 0, 0, window) != 0;
}

bool AudioEffectX::__getChunkFileDeprecated (void* nativePath)
{
    return nativePath != nullptr && callHost (HostOpcode::getChunkFile, 0, 0, nativePath) != 0;
}

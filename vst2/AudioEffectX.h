#pragma once

#include "AudioEffect.h"
#include "VstRecords.h"
#include "VstSpeakerArrangement.h"
#include "VstTimeInfo.h"

/** The extended VST 2.4 effect base.

    Adds the dispatcher opcodes 25 to 79, the extended host calls, the
    speaker-arrangement operations and a default answer for every extended
    operation. Opcodes it does not answer go to AudioEffect::dispatcher.
*/
class AudioEffectX : public AudioEffect
{
public:
    AudioEffectX (HostCallback hostCallback, int32_t numPrograms, int32_t numParams);

    int64_t dispatcher (int32_t opcode, int32_t index, int64_t value, void* ptr, float opt) override;

    /** Asks the host for events when this is a synth or takes MIDI events. */
    void resume() override;

    virtual bool canParameterBeAutomated (int32_t index)                        { (void) index; return true; }
    virtual bool string2parameter (int32_t index, char* text)                   { (void) index; (void) text; return false; }
    virtual bool getParameterProperties (int32_t index, VstParameterProperties* properties)
                                                                                { (void) index; (void) properties; return false; }
    /** Tell the host that a parameter gesture starts or ends (host opcodes 43, 44). */
    virtual bool beginEdit (int32_t index);
    virtual bool endEdit (int32_t index);

    virtual bool getProgramNameIndexed (int32_t category, int32_t index, char* text)
                                                                                { (void) category; (void) index; (void) text; return false; }
    virtual bool beginSetProgram()                                              { return false; }
    virtual bool endSetProgram()                                                { return false; }
    virtual int32_t beginLoadBank (VstPatchChunkInfo* info)                     { (void) info; return 0; }
    virtual int32_t beginLoadProgram (VstPatchChunkInfo* info)                  { (void) info; return 0; }

    virtual bool ioChanged();
    /** Asks the host for its sample rate; a positive answer is stored. Returns the stored rate. */
    virtual double updateSampleRate();
    /** Asks the host for its block size; a positive answer is stored. Returns the stored size. */
    virtual int32_t updateBlockSize();
    virtual int32_t getInputLatency();
    virtual int32_t getOutputLatency();

    virtual bool getInputProperties (int32_t index, VstPinProperties* properties)   { (void) index; (void) properties; return false; }
    virtual bool getOutputProperties (int32_t index, VstPinProperties* properties)  { (void) index; (void) properties; return false; }
    virtual bool setSpeakerArrangement (VstSpeakerArrangement* input, VstSpeakerArrangement* output)
                                                                                { (void) input; (void) output; return false; }
    virtual bool getSpeakerArrangement (VstSpeakerArrangement** input, VstSpeakerArrangement** output);
    virtual bool setBypass (bool onOff)                                         { (void) onOff; return false; }
    virtual bool setPanLaw (int32_t type, float value)                          { (void) type; (void) value; return false; }
    virtual bool setProcessPrecision (int32_t precision)                        { (void) precision; return false; }
    virtual int32_t getNumMidiInputChannels()                                   { return 0; }
    virtual int32_t getNumMidiOutputChannels()                                  { return 0; }

    /** The host's time information for the fields named in filter, or none. */
    virtual VstTimeInfo* getTimeInfo (int32_t filter);
    /** The host's processing level; 4 means offline rendering. */
    virtual int32_t getCurrentProcessLevel();
    virtual int32_t getAutomationState();

    virtual int32_t processEvents (VstEvents* events)                           { (void) events; return 0; }
    virtual int32_t startProcess()                                              { return 0; }
    virtual int32_t stopProcess()                                               { return 0; }
    virtual bool processVariableIo (VstVariableIo* io)                          { (void) io; return false; }
    virtual int32_t setTotalSampleToProcess (int32_t value)                     { return value; }

    virtual bool getHostVendorString (char* text);
    virtual bool getHostProductString (char* text);
    virtual int32_t getHostVendorVersion();
    virtual int64_t hostVendorSpecific (int32_t arg1, int64_t arg2, void* ptrArg, float floatArg);
    /** 1 when the host answers anything but 0. */
    virtual int32_t canHostDo (char* text);
    virtual int32_t getHostLanguage();

    virtual void isSynth (bool state = true)                                    { setFlag (EffectFlags::isSynth, state); }
    virtual void noTail (bool state = true)                                     { setFlag (EffectFlags::noSoundInStop, state); }
    virtual int32_t getGetTailSize()                                            { return 0; }
    virtual void* getDirectory();

    virtual bool getEffectName (char* name)                                     { (void) name; return false; }
    virtual bool getVendorString (char* text)                                   { (void) text; return false; }
    virtual bool getProductString (char* text)                                  { (void) text; return false; }
    virtual int32_t getVendorVersion()                                          { return 0; }
    virtual int64_t vendorSpecific (int32_t arg1, int64_t arg2, void* ptrArg, float floatArg)
                                                                                { (void) arg1; (void) arg2; (void) ptrArg; (void) floatArg; return 0; }
    virtual int32_t canDo (char* text)                                          { (void) text; return 0; }
    virtual int32_t getVstVersion();
    /** 2 (synth) when the synth flag is set, else 0 (unknown). */
    virtual int32_t getPlugCategory();

    virtual int32_t getMidiProgramName (int32_t channel, MidiProgramName* name)         { (void) channel; (void) name; return 0; }
    virtual int32_t getCurrentMidiProgram (int32_t channel, MidiProgramName* current)   { (void) channel; (void) current; return -1; }
    virtual int32_t getMidiProgramCategory (int32_t channel, MidiProgramCategory* category)
                                                                                        { (void) channel; (void) category; return 0; }
    virtual bool hasMidiProgramsChanged (int32_t channel)                               { (void) channel; return false; }
    virtual bool getMidiKeyName (int32_t channel, MidiKeyName* keyName)                 { (void) channel; (void) keyName; return false; }

    virtual bool updateDisplay();
    virtual bool sizeWindow (int32_t width, int32_t height);
    virtual bool openFileSelector (VstFileSelect* select);
    virtual bool closeFileSelector (VstFileSelect* select);

    virtual int32_t getNextShellPlugin (char* name)                             { (void) name; return 0; }

    /** Replaces the arrangement in place by a zeroed one of the given channel count. */
    virtual bool allocateArrangement (VstSpeakerArrangement** arrangement, int32_t channels);
    /** Frees the arrangement in place and leaves none there. */
    virtual bool deallocateArrangement (VstSpeakerArrangement** arrangement);
    virtual bool copySpeaker (VstSpeakerProperties* to, VstSpeakerProperties* from);
    /** Replaces the arrangement in place by a copy of from; true at once when it is from itself. */
    virtual bool matchArrangement (VstSpeakerArrangement** to, VstSpeakerArrangement* from);

    virtual bool offlineRead (VstOfflineTask* offline, VstOfflineOption option, bool readSource = true);
    virtual bool offlineWrite (VstOfflineTask* offline, VstOfflineOption option);
    virtual bool offlineStart (VstAudioFile* files, int32_t numAudioFiles, int32_t numNewAudioFiles);
    virtual int32_t offlineGetCurrentPass();
    virtual int32_t offlineGetCurrentMetaPass();
    virtual bool offlineNotify (VstAudioFile* files, int32_t numAudioFiles, bool start)
                                                                                { (void) files; (void) numAudioFiles; (void) start; return false; }
    virtual bool offlinePrepare (VstOfflineTask* offline, int32_t count)        { (void) offline; (void) count; return false; }
    virtual bool offlineRun (VstOfflineTask* offline, int32_t count)            { (void) offline; (void) count; return false; }
    virtual int32_t offlineGetNumPasses()                                       { return 0; }
    virtual int32_t offlineGetNumMetaPasses()                                   { return 0; }

    virtual int32_t __wantEventsDeprecated (int32_t filter = 1);
    virtual int32_t __tempoAtDeprecated (int32_t position);
    virtual int32_t __getNumAutomatableParametersDeprecated();
    virtual int32_t __getParameterQuantizationDeprecated();
    virtual int32_t __getNumCategoriesDeprecated()                              { return 1; }
    virtual bool __copyProgramDeprecated (int32_t destination)                  { (void) destination; return false; }
    virtual bool __needIdleDeprecated();
    virtual AEffect* __getPreviousPlugDeprecated (int32_t input);
    virtual AEffect* __getNextPlugDeprecated (int32_t output);
    virtual void __inputConnectedDeprecated (int32_t index, bool state)         { (void) index; (void) state; }
    virtual void __outputConnectedDeprecated (int32_t index, bool state)        { (void) index; (void) state; }
    virtual int32_t __willProcessReplacingDeprecated();
    virtual void __wantAsyncOperationDeprecated (bool state = true)             { setFlag (EffectFlags::extIsAsync, state); }
    virtual void __hasExternalBufferDeprecated (bool state = true)              { setFlag (EffectFlags::extHasBuffer, state); }
    virtual int32_t __reportCurrentPositionDeprecated()                         { return 0; }
    virtual float* __reportDestinationBufferDeprecated()                        { return nullptr; }
    virtual void __setOutputSamplerateDeprecated (float rate);
    virtual VstSpeakerArrangement* __getInputSpeakerArrangementDeprecated();
    virtual VstSpeakerArrangement* __getOutputSpeakerArrangementDeprecated();
    virtual void* __openWindowDeprecated (__VstWindowDeprecated* window);
    virtual bool __closeWindowDeprecated (__VstWindowDeprecated* window);
    virtual void __setBlockSizeAndSampleRateDeprecated (int32_t newBlockSize, float newSampleRate)
    {
        blockSize = newBlockSize;
        sampleRate = newSampleRate;
    }
    virtual bool __getErrorTextDeprecated (char* text)                          { (void) text; return false; }
    virtual void* __getIconDeprecated()                                         { return nullptr; }
    virtual bool __setViewPositionDeprecated (int32_t x, int32_t y)             { (void) x; (void) y; return false; }
    virtual int32_t __fxIdleDeprecated()                                        { return 0; }
    virtual bool __keysRequiredDeprecated()                                     { return false; }
    virtual bool __getChunkFileDeprecated (void* nativePath);
};

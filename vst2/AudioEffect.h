#pragma once

#include "AEffEditor.h"
#include "AEffect.h"

#include <cstdint>
#include <memory>

/** The base of a VST 2.4 effect.

    It owns the host-visible AEffect record, fills it at construction, routes
    the host's calls through the record's entries to the virtual operations
    below and wraps the few host calls of the original interface. Every host
    call is made only when a host callback is present; bool results cross the
    dispatcher as 1 or 0.
*/
class AudioEffect
{
public:
    AudioEffect (HostCallback hostCallback, int32_t numPrograms, int32_t numParams);
    virtual ~AudioEffect();

    /** Answers the base opcodes 0 to 24; everything else answers 0. */
    virtual int64_t dispatcher (int32_t opcode, int32_t index, int64_t value, void* ptr, float opt);

    virtual void open()     {}
    virtual void close()    {}
    virtual void suspend()  {}
    virtual void resume()   {}

    virtual void setSampleRate (float newSampleRate)    { sampleRate = newSampleRate; }
    virtual void setBlockSize (int32_t newBlockSize)    { blockSize = newBlockSize; }

    virtual void processReplacing (float** inputs, float** outputs, int32_t frames) = 0;
    virtual void processDoubleReplacing (double** inputs, double** outputs, int32_t frames);

    virtual void setParameter (int32_t index, float value);
    virtual float getParameter (int32_t index);
    /** Sets the parameter and tells the host that it changed (host opcode 0). */
    virtual void setParameterAutomated (int32_t index, float value);

    virtual int32_t getProgram()                        { return programIndex; }
    /** Stores the program; a negative one, which the dispatcher lets through, is ignored. */
    virtual void setProgram (int32_t program)           { if (program >= 0) programIndex = program; }
    virtual void setProgramName (char* name);
    virtual void getProgramName (char* name);

    virtual void getParameterLabel (int32_t index, char* label);
    virtual void getParameterDisplay (int32_t index, char* text);
    virtual void getParameterName (int32_t index, char* text);

    /** Points data at the state and answers its size in bytes; 0 by default. */
    virtual int32_t getChunk (void** data, bool isPreset = false);
    virtual int32_t setChunk (void* data, int32_t byteSize, bool isPreset = false);

    virtual void setUniqueID (int32_t uniqueID)         { aeffect.uniqueID = uniqueID; }
    virtual void setNumInputs (int32_t inputs)          { aeffect.numInputs = inputs; }
    virtual void setNumOutputs (int32_t outputs)        { aeffect.numOutputs = outputs; }

    virtual void canProcessReplacing (bool state = true)    { setFlag (EffectFlags::canReplacing, state); }
    virtual void canDoubleReplacing (bool state = true)     { setFlag (EffectFlags::canDoubleReplacing, state); }
    virtual void programsAreChunks (bool state = true)      { setFlag (EffectFlags::programChunks, state); }
    virtual void setInitialDelay (int32_t delay)            { aeffect.initialDelay = delay; }

    virtual AEffEditor* getEditor()                     { return editor.get(); }
    virtual AEffect* getAeffect()                       { return &aeffect; }
    virtual float getSampleRate()                       { return sampleRate; }
    virtual int32_t getBlockSize()                      { return blockSize; }

    /** The host's interface version; 1 when the host answers 0 or is absent. */
    virtual int32_t getMasterVersion();
    virtual int32_t getCurrentUniqueId();
    virtual int32_t masterIdle();

    /** Text formatters. Each writes at most maxLen characters and a zero
        byte into a buffer of maxLen + 1 bytes, and nothing beyond those.
    */
    virtual void dB2string (float value, char* text, int32_t maxLen);
    virtual void Hz2string (float samples, char* text, int32_t maxLen);
    virtual void ms2string (float samples, char* text, int32_t maxLen);
    virtual void float2string (float value, char* text, int32_t maxLen);
    virtual void int2string (int32_t value, char* text, int32_t maxLen);

    virtual void __processDeprecated (float** inputs, float** outputs, int32_t frames);
    virtual float __getVuDeprecated()                           { return 0.0f; }
    virtual void __hasVuDeprecated (bool state = true)          { setFlag (EffectFlags::hasVu, state); }
    virtual void __hasClipDeprecated (bool state = true)        { setFlag (EffectFlags::hasClip, state); }
    virtual void __canMonoDeprecated (bool state = true)        { setFlag (EffectFlags::canMono, state); }
    virtual void __setRealtimeQualitiesDeprecated (int32_t qualities)   { aeffect.realtimeQualities = qualities; }
    virtual void __setOfflineQualitiesDeprecated (int32_t qualities)    { aeffect.offlineQualities = qualities; }
    virtual bool __isInputConnectedDeprecated (int32_t pin);
    virtual bool __isOutputConnectedDeprecated (int32_t pin);

protected:
    /** The record's entries: each finds the object and calls its operation. */
    static int64_t dispatchEffectClass (AEffect* effect, int32_t opcode, int32_t index,
                                        int64_t value, void* ptr, float opt);
    static float getParameterClass (AEffect* effect, int32_t index);
    static void setParameterClass (AEffect* effect, int32_t index, float value);
    static void __processClassDeprecated (AEffect* effect, float** inputs, float** outputs, int32_t frames);
    static void processClassReplacing (AEffect* effect, float** inputs, float** outputs, int32_t frames);
    static void processClassDoubleReplacing (AEffect* effect, double** inputs, double** outputs, int32_t frames);

    /** Calls the host with this record; answers 0 when there is no callback. */
    int64_t callHost (int32_t opcode, int32_t index = 0, int64_t value = 0,
                      void* ptr = nullptr, float opt = 0.0f);

    /** Sets or clears bits of the record's flags. */
    void setFlag (int32_t bits, bool state) noexcept;

    HostCallback hostCallback;
    std::unique_ptr<AEffEditor> editor;
    float sampleRate = 44100.0f;
    int32_t blockSize = 1024;
    int32_t numPrograms;
    int32_t numParams;
    int32_t programIndex = 0;
    AEffect aeffect;

private:
    AudioEffect (const AudioEffect&) = delete;
    AudioEffect& operator= (const AudioEffect&) = delete;
};

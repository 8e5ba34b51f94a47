#pragma once

#include "AudioEffectX.h"

#include <vector>

/** An editor that records what the dispatcher forwards to it. */
class RecordingEditor : public AEffEditor
{
public:
    explicit RecordingEditor (bool& deletedFlag) : deleted (deletedFlag) {}
    ~RecordingEditor() override { deleted = true; }

    bool getRect (ERect** rect) override                { *rect = &bounds; return true; }
    bool open (void* parentWindow) override             { openedWith = parentWindow; return true; }
    void close() override                               { ++closes; }
    void idle() override                                { ++idles; }
    bool onKeyDown (VstKeyCode& keyCode) override       { keysDown.push_back (keyCode); return true; }
    bool onKeyUp (VstKeyCode& keyCode) override         { keysUp.push_back (keyCode); return false; }
    bool setKnobMode (int32_t mode) override            { knobModes.push_back (mode); return true; }

    ERect bounds { 0, 0, 454, 325 };
    void* openedWith = nullptr;
    int closes = 0;
    int idles = 0;
    std::vector<VstKeyCode> keysDown, keysUp;
    std::vector<int32_t> knobModes;

private:
    bool& deleted;
};

/** An effect on the extended base that records the operations the
    dispatcher calls and keeps every other default.
*/
class RecordingEffect : public AudioEffectX
{
public:
    RecordingEffect (HostCallback host, int32_t programs = 4, int32_t params = 3)
        : AudioEffectX (host, programs, params) {}

    ~RecordingEffect() override
    {
        if (destroyed != nullptr)
            *destroyed = true;
    }

    void processReplacing (float**, float**, int32_t frames) override   { processedFrames.push_back (frames); }

    void setParameter (int32_t index, float value) override             { parameterCalls.push_back ({ index, value }); }
    float getParameter (int32_t index) override                         { return (float) index * 0.25f; }
    void setProgram (int32_t program) override                          { programCalls.push_back (program); AudioEffectX::setProgram (program); }
    void resume() override                                              { ++resumes; AudioEffectX::resume(); }
    void suspend() override                                             { ++suspends; }
    void open() override                                                { ++opens; }
    void close() override                                               { ++closes; }

    int32_t getChunk (void** data, bool isPreset) override
    {
        lastChunkWasPreset = isPreset;
        *data = chunkBytes;
        return (int32_t) sizeof (chunkBytes);
    }

    int32_t setChunk (void* data, int32_t byteSize, bool isPreset) override
    {
        lastSetChunk = data;
        lastSetChunkSize = byteSize;
        lastChunkWasPreset = isPreset;
        return -5;
    }

    bool setBypass (bool onOff) override                                { bypassCalls.push_back (onOff); return true; }
    int32_t canDo (char*) override                                      { return canDoAnswer; }

    bool getProgramNameIndexed (int32_t category, int32_t index, char*) override
    {
        indexedNameCalls.push_back ({ category, index });
        return false;
    }

    bool setSpeakerArrangement (VstSpeakerArrangement* input, VstSpeakerArrangement* output) override
    {
        arrangementsSet = { input, output };
        return true;
    }

    void attachEditor (AEffEditor* newEditor)                           { editor.reset (newEditor); }
    int32_t getFlags()                                                  { return getAeffect()->flags; }

    /** Sends an opcode the way a host does: through the record's entry. */
    int64_t dispatch (int32_t opcode, int32_t index = 0, int64_t value = 0, void* ptr = nullptr, float opt = 0.0f)
    {
        return getAeffect()->dispatcherEntry (getAeffect(), opcode, index, value, ptr, opt);
    }

    struct ParameterCall { int32_t index; float value; };
    struct IndexedNameCall { int32_t category; int32_t index; };
    struct ArrangementPair { VstSpeakerArrangement* input = nullptr; VstSpeakerArrangement* output = nullptr; };

    bool* destroyed = nullptr;
    std::vector<int32_t> processedFrames;
    std::vector<ParameterCall> parameterCalls;
    std::vector<int32_t> programCalls;
    std::vector<bool> bypassCalls;
    std::vector<IndexedNameCall> indexedNameCalls;
    ArrangementPair arrangementsSet;
    int resumes = 0, suspends = 0, opens = 0, closes = 0;
    char chunkBytes[7] = { 1, 2, 3, 4, 5, 6, 7 };
    bool lastChunkWasPreset = false;
    void* lastSetChunk = nullptr;
    int32_t lastSetChunkSize = 0;
    int32_t canDoAnswer = 0;
};

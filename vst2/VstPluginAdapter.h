#pragma once

#include "AudioEffectX.h"
#include "HostWindowEditorHolder.h"
#include "PluginInstanceOwner.h"
#include "VstHostPlayHead.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <memory>
#include <mutex>

/** Puts the plug-in's processor on the VST 2.4 effect base.

    The processor comes from createPluginFilter(). Host calls on the record
    become calls of the generic juce::AudioProcessor interface: sample rate,
    block size, resume and suspend prepare and release it; process entries
    run processBlock, non-realtime while the host's process level says it
    renders offline (asked on every call); parameters, programs, chunks and the editor are passed
    through, and the processor's notifications go back to the host as
    automation, edit gestures and display updates.
*/
class VstPluginAdapter : private PluginInstanceOwner,
                         public AudioEffectX,
                         private juce::AudioProcessorListener,
                         private juce::AsyncUpdater
{
public:
    explicit VstPluginAdapter (HostCallback hostCallback);
    ~VstPluginAdapter() override;

    int64_t dispatcher (int32_t opcode, int32_t index, int64_t value, void* ptr, float opt) override;

    void open() override;
    void close() override;
    void suspend() override;
    void resume() override;

    /** Ignores rates that are not positive numbers. */
    void setSampleRate (float newSampleRate) override;

    void processReplacing (float** inputs, float** outputs, int32_t frames) override;
    void processDoubleReplacing (double** inputs, double** outputs, int32_t frames) override;

    void setParameter (int32_t index, float value) override;
    float getParameter (int32_t index) override;
    void getParameterLabel (int32_t index, char* label) override;
    void getParameterDisplay (int32_t index, char* text) override;
    void getParameterName (int32_t index, char* text) override;
    bool canParameterBeAutomated (int32_t index) override;

    int32_t getProgram() override;
    void setProgram (int32_t program) override;
    void setProgramName (char* name) override;
    void getProgramName (char* name) override;
    bool getProgramNameIndexed (int32_t category, int32_t index, char* text) override;

    /** The full state, or the current program's document when isPreset is set. */
    int32_t getChunk (void** data, bool isPreset) override;
    int32_t setChunk (void* data, int32_t byteSize, bool isPreset) override;

    bool setProcessPrecision (int32_t precision) override;
    int32_t getGetTailSize() override;

    bool getEffectName (char* name) override;
    bool getVendorString (char* text) override;
    bool getProductString (char* text) override;
    int32_t getVendorVersion() override;
    int32_t canDo (char* text) override;
    int32_t getPlugCategory() override;

private:
    template <typename FloatType>
    void processInBlocks (FloatType** inputs, FloatType** outputs, int32_t frames,
                          juce::AudioBuffer<FloatType>& workBuffer);

    template <typename FloatType>
    void clearOutputs (FloatType** outputs, int32_t frames) const;

    bool isValidParameter (int32_t index) const noexcept;

    int64_t getEditorBounds (void* ptr);
    int64_t openEditor (void* parentWindow);
    void createEditorIfNeeded();
    void closeEditor();
    void idleEditor();

    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float newValue) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails& details) override;
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override;
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override;
    void handleAsyncUpdate() override;

    juce::AudioProcessor& processor;
    VstHostPlayHead playHead;
    juce::AudioBuffer<float> floatWorkBuffer;
    juce::AudioBuffer<double> doubleWorkBuffer;
    juce::MidiBuffer midiEvents;
    int preparedBlockSize = 0;
    int numWorkChannels = 0;
    std::atomic<bool> isProcessing { false };

    std::mutex chunkLock;
    juce::MemoryBlock chunk;

    std::unique_ptr<HostWindowEditorHolder> editorHolder;
    ERect editorRect {};

    std::atomic<bool> displayUpdatePending { false };
    std::atomic<bool> latencyUpdatePending { false };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VstPluginAdapter)
};

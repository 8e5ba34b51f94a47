#pragma once

#include "DizadiSineWave.h"
#include "DizadiSquareWave.h"
#include "DizadiTriangleWave.h"
#include "ParameterTable.h"
#include "PresetReadResult.h"
#include "ProductInfo.h"
#include "ProgramSlots.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <cstdint>
#include <memory>

/** The stereo tremolo effect as the host sees it: nine parameters, 12 programs
    with an A and a B slot each, the audio path over three tremolo modules (one
    per wave type), and the XML documents that serve as preset files and host
    state.

    All members are public: the editor and the preset dialogs read and write
    the program store and the change flags directly.

    Threads: processBlock runs on the audio thread and is the only code that
    touches the modules after prepareToPlay. setParameter may come from any
    thread and only stores atomics. A change of wave type is decided on the
    message thread by the timer and carried out by the audio thread at the start
    of its next block, so the two threads never work on one module at once.

    The definitions are split by concern: the class core (this class's .cpp),
    the audio path (LumiverPX2741AudioProcessorAudioPath.cpp, everything the
    audio thread runs) and the documents (LumiverPX2741AudioProcessorDocuments.cpp).
*/
class LumiverPX2741AudioProcessor : public juce::AudioProcessor,
                                    public juce::Timer
{
public:
    static constexpr int numPrograms = 12;
    static constexpr int numWaveTypes = ParameterTable::numWaveTypes;

    /** The work buffers never hold fewer samples than this. */
    static constexpr int minimumBufferLength = 16384;

    /** A change of wave type is taken this long after the last change of parameter 1. */
    static constexpr int typeChangeDelayMs = 50;

    /** How often the message thread looks for a due change of wave type. */
    static constexpr int typeChangePollMs = 10;

    /** The rate the modules run at until a host gives a usable one. */
    static constexpr double defaultSampleRate = 44100.0;

    /** Rates below this are no host's; the modules' filters would not be stable at them. */
    static constexpr double minimumSampleRate = 1000.0;

    LumiverPX2741AudioProcessor();
    ~LumiverPX2741AudioProcessor() override;

    //==============================================================================
    const juce::String getName() const override;

    /** Sets up buffers, fades and modules. A rate that is not a finite number
        of at least minimumSampleRate is ignored: the last usable rate (at first
        defaultSampleRate) stays.
    */
    void prepareToPlay (double sampleRate, int estimatedBlockSize) override;
    void releaseResources() override;
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midiMessages) override;
    using juce::AudioProcessor::processBlock;
    bool silenceInProducesSilenceOut() const override;
    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;

    /** Defined apart from the processor, so that the processor links without the editor. */
    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    //==============================================================================
    int getNumParameters() override;
    const juce::String getParameterName (int index) override;
    float getParameter (int index) override;
    const juce::String getParameterText (int index) override;
    float getParameterDefaultValue (int index) override;

    /** Stores a value into the current program's active slot and the live
        values, and raises parametersChanged. A NaN or infinite value is refused:
        nothing is stored and no flag is raised. A finite value outside 0..1 is
        stored as given; the audio path hands the modules 0..1 only.
    */
    void setParameter (int index, float newValue) override;

    using juce::AudioProcessor::getParameterName;
    using juce::AudioProcessor::getParameterText;

    //==============================================================================
    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& newName) override;

    //==============================================================================
    void getStateInformation (juce::MemoryBlock& destData) override;
    void getCurrentProgramStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;
    void setCurrentProgramStateInformation (const void* data, int sizeInBytes) override;

    //==============================================================================
    const juce::String getInputChannelName (int channelIndex) const override;
    const juce::String getOutputChannelName (int channelIndex) const override;
    bool isInputChannelStereoPair (int index) const override;
    bool isOutputChannelStereoPair (int index) const override;

    /** Every typeChangePollMs: sends the messages the modules noted while they
        processed, and looks for a change of parameter 1 that has rested for
        typeChangeDelayMs, and then asks the audio thread for the new type.
    */
    void timerCallback() override;

    //==============================================================================
    /** Every program and slot to the defaults and "Init.vpxp"; program 0 current. */
    void initDefaultPreset();

    /** Re-syncs the modules and fades from the live values, without ramps. */
    void forceCalcParams();

    /** The preset-file document (true) or the full-state document (false). */
    juce::XmlElement writePreset (bool presetFileOnly);

    /** Applies a preset file (true) or loads a full state (false). */
    PresetReadResult readPreset (std::unique_ptr<juce::XmlElement> xml, bool presetFileOnly);

    /** Both slots of the current program. */
    juce::XmlElement writeCurrentProgram();

    /** Loads a current-program document into the current program; false for a wrong root. */
    bool readCurrentProgram (std::unique_ptr<juce::XmlElement> xml);

    /** Applies the element and its following siblings as Values, notifying the host. */
    void readPresetElement (juce::XmlElement* firstValue);

    /** Stores the element and its following siblings as Values into one slot, silently. */
    void storePresetElement (juce::XmlElement* firstValue, int program, int slot);

    /** True when the preset document's values differ from the current sound. */
    bool comparePreset (std::unique_ptr<juce::XmlElement> xml);

    //==============================================================================
    /** The preset path of one slot of one program; empty for a bad index.
        Preset paths are read by host threads (program names, state) and written
        by the editor, so they are only reached through these accessors.
    */
    juce::String getPresetPath (int program, int slot) const;

    /** Stores the preset path of one slot of one program; a bad index is ignored. */
    void setPresetPath (int program, int slot, const juce::String& path);

    /** The current program's record; a currentProgram out of range reads as the nearest program. */
    ProgramSlots& getCurrentProgramSlots() noexcept;

    /** The preset path of the current program's active slot. */
    juce::String getActivePresetPath() const;

    /** Stores the preset path of the current program's active slot. */
    void setActivePresetPath (const juce::String& path);

    //==============================================================================
    std::unique_ptr<juce::XmlElement> pendingStateXml;
    std::atomic<int> currentProgram { 0 };
    ProgramSlots programs[numPrograms];
    std::atomic<float> currentParams[numParameters] {};

    // Audio path. Owned by the audio thread once playback is prepared.
    /** The host's last usable sample rate; prepareToPlay ignores any other. */
    double preparedSampleRate = defaultSampleRate;
    float currentBpm = 120.0f;
    juce::AudioPlayHead::PositionInfo positionInfo;
    DizadiSineWave sineWave;
    DizadiSquareWave squareWave;
    DizadiTriangleWave triangleWave;
    bool effectOn = true;
    std::unique_ptr<float[]> dryBufferL, dryBufferR;
    int16_t onFadeCounter = 2048, fadeLength = 2048;
    float onFadeStep = 0.0f, onGain = 1.0f, onTarget = 1.0f;
    std::unique_ptr<float[]> fadeBufferL, fadeBufferR;
    int bufferLength = 0;
    int currentType = 0, targetType = 0;
    bool typeFadeActive = false;
    float typeFadeGain = 1.0f, typeFadeStep = 0.0f;
    float lastRate = 0.5f, lastRateSync = 0.5f, lastShape = 0.5f, lastDepth = 0.5f, lastLevel = 0.5f;
    bool lastStereo = false, lastSync = false;

    // Change of wave type: the timer publishes the requested type and raises
    // typeChangePending; the audio thread takes it and prepares the module.
    std::atomic<int> requestedType { 0 };
    std::atomic<bool> typeChangePending { false };

    /** Raised by the processor (and the editor), polled and cleared by the editor.

        Order: every raiser first stores what changed (values, active slot,
        current program), then raises programChanged and slotChanged where they
        apply, and raises parametersChanged last, with release ordering. The
        editor's poll takes parametersChanged with exchange (false, acquire)
        before it reads anything, so a poll that takes it sees every store
        made before it, and a raised programChanged or slotChanged is always
        followed by a raise of parametersChanged. A change of several values
        may raise parametersChanged more than once; the last raise comes
        after everything.
    */
    std::atomic<bool> programChanged { false }, parametersChanged { false }, slotChanged { false };

private:
    static bool isValidProgram (int program) noexcept;
    static bool isValidProgramSlot (int program, int slot) noexcept;

    ModuleModel* getModule (int waveType) noexcept;
    int getActiveSlot (int program) const noexcept;
    int getCurrentProgramIndex() const noexcept;
    std::atomic<float>* getActiveSlotParams() noexcept;

    void scheduleTypeChange() noexcept;
    void requestTypeChange();
    void takeTypeChangeRequest();

    void processSection (juce::AudioBuffer<float>& buffer, int startSample, int numSamples);
    void updateTempo();
    void pushParameters (int waveType);
    void pushSwitch (int moduleIndex, bool value, bool& lastValue, ModuleModel* target);
    void pushValue (int index, float value, float& lastValue, ModuleModel* target);
    void crossfadeTypes (float* left, float* right, int waveType, int numSamples);
    void applyOnOffRamp (float* left, float* right, int numSamples);

    ModuleModel* const modules[numWaveTypes] = { &sineWave, &squareWave, &triangleWave };

    /** The last values given to the modules, by parameter index from rateIndex to levelIndex. */
    float* const lastValues[levelIndex - rateIndex + 1] = { &lastRate, &lastRateSync, &lastShape, &lastDepth, &lastLevel };

    /** Guards every ProgramSlots::presetPath; never taken on the audio thread. */
    juce::CriticalSection presetPathLock;

    std::atomic<uint32_t> typeChangeRequests { 0 };
    std::atomic<uint32_t> typeChangeDueMs { 0 };
    uint32_t handledTypeChangeRequests = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LumiverPX2741AudioProcessor)
};

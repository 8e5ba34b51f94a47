#pragma once

#include "AAXAlgorithmContext.h"
#include "AAXHostPlayHead.h"
#include "AAX_CEffectParameters.h"
#include "PluginInstanceOwner.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <mutex>

/** Puts the plug-in's processor on the AAX effect-parameters base.

    The processor comes from createPluginFilter(); only the generic juce::AudioProcessor
    interface is used. Host calls become processor calls:

    | Host                                   | Processor                                      |
    |----------------------------------------|------------------------------------------------|
    | Initialize (EffectInit)                | one float parameter "0".."n-1" per processor    |
    |                                        | parameter, the master bypass on data port 3;   |
    |                                        | bus layout from the stem formats, prepareToPlay |
    |                                        | at the controller's sample rate                 |
    | TimerWakeup                            | prepareToPlay again when the controller's       |
    |                                        | sample rate has changed                         |
    | UpdateParameterNormalizedValue         | setParameter with the confirmed, bounded value  |
    | chunk 0x6A756365 (index 1)             | getStateInformation / setStateInformation       |
    | any other chunk                        | the base's controls chunk                       |
    | process routine (renderAudio)          | processBlock, tempo from the transport; the     |
    |                                        | bypass packet passes the input instead          |
    | Uninitialize                           | releaseResources                                |

    The processor's own changes (its editor, its programs) go back to the host as set
    requests through the parameter objects, with touch and release around its gestures.
    A change that only repeats the value the host confirmed is not sent again.
*/
class AAXEffectParametersAdapter : public AAX_CEffectParameters,
                                   private juce::AudioProcessorListener
{
public:
    AAXEffectParametersAdapter();
    ~AAXEffectParametersAdapter() override;

    /** The object as the host holds it. */
    IACFUnknown* getHostInterface() noexcept        { return static_cast<AAX_IACFEffectParameters_V3*> (this); }

    juce::AudioProcessor& getProcessor() const noexcept     { return owner.getProcessor(); }

    AAX_Result EffectInit() override;
    AAX_Result Uninitialize() override;
    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID identifier, double value, AAX_EUpdateSource source) override;
    AAX_Result TimerWakeup() override;

    AAX_Result GetNumberOfChunks (int32_t* numChunks) const override;
    AAX_Result GetChunkIDFromIndex (int32_t index, AAX_CTypeID* chunkID) const override;
    AAX_Result GetChunkSize (AAX_CTypeID chunkID, uint32_t* size) const override;
    AAX_Result GetChunk (AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) const override;
    AAX_Result SetChunk (AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) override;

    /** The process routine's work for one instance whose context has numInputs inputs and
        numOutputs outputs: without a data model the input passes unchanged.
    */
    static void renderInstance (const AAXAlgorithmContext& context, int numInputs, int numOutputs) noexcept;

    /** The index of the full-state chunk: the base's chunk count. */
    static constexpr int32_t stateChunkIndex = 1;

    /** The data port of the master bypass. */
    static constexpr AAX_CFieldIndex bypassPort = AAXAlgorithmFields::bypass;

    /** The block length the processor is prepared for; longer blocks go in pieces. */
    static constexpr int maximumBlockSize = 4096;

private:
    void prepareProcessor();
    void disconnect();
    void postInstanceLink (AAXEffectParametersAdapter* link);
    AAX_IParameter* processorParameter (int index);

    /** Runs the processor over the host's channels, in pieces of the prepared length. */
    void renderAudio (const float* const* inputs, int numInputs, float* const* outputs, int numOutputs,
                      int numSamples, bool bypassed) noexcept;

    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float newValue) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override;
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override;

    PluginInstanceOwner owner;
    int numProcessorParameters = 0;

    // Processor notifications reach the parameters only while connected; Uninitialize
    // waits for one in progress.
    std::mutex hostLink;
    bool connected = false;

    // Audio side: set up by EffectInit, read under the processor's callback lock.
    AAXHostPlayHead playHead;
    juce::AudioBuffer<float> workBuffer;
    juce::MidiBuffer midiEvents;
    std::atomic<bool> isPrepared { false };
    std::atomic<float> hostSampleRate { 0.0f };
    std::atomic<AAX_ITransport*> transport { nullptr };

    // The state the last GetChunkSize measured, written by GetChunk into a record with room for it.
    mutable std::mutex stateLock;
    mutable juce::MemoryBlock savedState;
    mutable AAX_CChunkRoom stateChunkRoom;

    JUCE_DECLARE_NON_COPYABLE (AAXEffectParametersAdapter)
};

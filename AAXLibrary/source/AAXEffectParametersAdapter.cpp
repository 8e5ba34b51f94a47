#include "AAXEffectParametersAdapter.h"

#include "AAXPluginIdentity.h"
#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CPacketHandler.h"
#include "AAX_CParameter.h"
#include "AAX_IController.h"

#include <cmath>
#include <cstring>

namespace
{
    constexpr int maxNameLength = 31;
    constexpr int shortNameLength = 4;

    /** Step counts above this make a continuous control. */
    constexpr int continuousStepCount = 1000;
    constexpr int32_t invertedOrientation = 19;

    constexpr int fallbackChannels = 2;

    AAX_CString hostText (const juce::String& text)
    {
        return AAX_CString (text.toRawUTF8());
    }

    /** The channel count of a stem format the controller reports, or the fallback. */
    int channelsOf (AAX_Result result, AAX_EStemFormat stemFormat)
    {
        const auto channels = AAX_StemFormatChannelCount (stemFormat);
        return result == AAX_SUCCESS && (channels == 1 || channels == 2) ? channels : fallbackChannels;
    }

    juce::AudioChannelSet channelSetOf (int channels)
    {
        return channels == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
    }

    /** The rate the controller reports, or 0 when it reports none. */
    float sampleRateOf (const AAX_IController& controller)
    {
        float sampleRate = 0.0f;
        return controller.GetSampleRate (&sampleRate) == AAX_SUCCESS ? sampleRate : 0.0f;
    }
}

AAXEffectParametersAdapter::AAXEffectParametersAdapter()
    : owner (juce::AudioProcessor::wrapperType_AAX)
{
    getProcessor().setPlayHead (&playHead);
}

AAXEffectParametersAdapter::~AAXEffectParametersAdapter()
{
    disconnect();
    getProcessor().setPlayHead (nullptr);
}

//==============================================================================
AAX_Result AAXEffectParametersAdapter::EffectInit()
{
    auto& processor = getProcessor();
    numProcessorParameters = processor.getNumParameters();

    for (int index = 0; index < numProcessorParameters; ++index)
    {
        auto* parameter = new AAX_CParameter<float> (juce::String (index).toRawUTF8(),
                                                     hostText (processor.getParameterName (index, maxNameLength)),
                                                     processor.getParameterDefaultValue (index),
                                                     AAX_CLinearTaperDelegate<float, 0> (0.0f, 1.0f),
                                                     AAX_CNumberDisplayDelegate<float, 3u, 0u>(),
                                                     processor.isParameterAutomatable (index));

        const auto numSteps = processor.getParameterNumSteps (index);
        parameter->AddShortenedName (hostText (processor.getParameterName (index, shortNameLength)));
        parameter->SetNumberOfSteps (static_cast<uint32_t> (juce::jmax (0, numSteps)));
        parameter->SetType (numSteps > continuousStepCount ? AAX_eParameterType_Continuous : AAX_eParameterType_Discrete);
        parameter->SetOrientation (processor.isParameterOrientationInverted (index) ? invertedOrientation : 0);

        // Starts from the processor's present value, before the host knows the parameter.
        const auto value = processor.getParameter (index);

        if (std::isfinite (value))
            parameter->UpdateNormalizedValue (value);

        mParameterManager.AddParameter (parameter);
    }

    auto* bypass = new AAX_CParameter<bool> (cDefaultMasterBypassID, AAX_CString ("Master Bypass"), false,
                                             AAX_CBinaryTaperDelegate<bool>(),
                                             AAX_CBinaryDisplayDelegate<bool> ("bypass", "on"), true);
    bypass->SetNumberOfSteps (2);
    bypass->SetType (AAX_eParameterType_Discrete);
    mParameterManager.AddParameter (bypass);
    mPacketDispatcher.RegisterPacket (cDefaultMasterBypassID, bypassPort,
                                      AAX_CPacketHandler<AAX_CPacketDispatcher> (&mPacketDispatcher, &AAX_CPacketDispatcher::GenerateSingleValuePacket));

    prepareProcessor();

    {
        const std::lock_guard<std::mutex> lock (hostLink);
        connected = true;
        processor.addListener (this);
    }

    postInstanceLink (this);
    return AAX_SUCCESS;
}

void AAXEffectParametersAdapter::prepareProcessor()
{
    auto& processor = getProcessor();
    auto* controller = Controller();

    AAX_EStemFormat inputFormat = 0, outputFormat = 0;
    const auto numInputs = channelsOf (controller->GetInputStemFormat (&inputFormat), inputFormat);
    const auto numOutputs = channelsOf (controller->GetOutputStemFormat (&outputFormat), outputFormat);

    // Passed on as reported: the processor ignores a rate that is no usable rate and keeps
    // the last one.
    const auto sampleRate = sampleRateOf (*controller);
    hostSampleRate = sampleRate;

    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (channelSetOf (numInputs));
    layout.outputBuses.add (channelSetOf (juce::jmax (numInputs, numOutputs)));

    const juce::ScopedLock callbackLock (processor.getCallbackLock());

    if (isPrepared.exchange (false))
        processor.releaseResources();

    processor.setBusesLayout (layout);
    processor.setRateAndBufferSizeDetails (sampleRate, maximumBlockSize);
    processor.prepareToPlay (sampleRate, maximumBlockSize);

    workBuffer.setSize (fallbackChannels, maximumBlockSize);
    midiEvents.ensureSize (2048);
    transport = Transport();
    isPrepared = true;
}

AAX_Result AAXEffectParametersAdapter::TimerWakeup()
{
    // The host's idle time, off the audio thread: a host that changes its sample rate
    // without creating the effect again gets the processor prepared for the new one. A
    // rate that is no number counts as unchanged, so it is not prepared on every wake-up.
    if (auto* controller = Controller())
    {
        const auto sampleRate = sampleRateOf (*controller);
        const auto previous = hostSampleRate.load();

        if (sampleRate != previous && ! (std::isnan (sampleRate) && std::isnan (previous)))
            prepareProcessor();
    }

    return AAX_CEffectParameters::TimerWakeup();
}

AAX_Result AAXEffectParametersAdapter::Uninitialize()
{
    disconnect();
    return AAX_CEffectParameters::Uninitialize();
}

void AAXEffectParametersAdapter::disconnect()
{
    auto& processor = getProcessor();

    {
        const std::lock_guard<std::mutex> lock (hostLink);

        if (! connected)
            return;

        connected = false;
        processor.removeListener (this);
    }

    postInstanceLink (nullptr);

    // Once the lock is held no block is being rendered, and none starts with the
    // transport about to go.
    const juce::ScopedLock callbackLock (processor.getCallbackLock());
    transport = nullptr;

    if (isPrepared.exchange (false))
        processor.releaseResources();
}

void AAXEffectParametersAdapter::postInstanceLink (AAXEffectParametersAdapter* link)
{
    if (auto* controller = Controller())
        controller->PostPacket (AAXAlgorithmFields::instance, &link, sizeof (link));
}

//==============================================================================
AAX_IParameter* AAXEffectParametersAdapter::processorParameter (int index)
{
    return juce::isPositiveAndBelow (index, numProcessorParameters) ? mParameterManager.GetParameter (index) : nullptr;
}

AAX_Result AAXEffectParametersAdapter::UpdateParameterNormalizedValue (AAX_CParamID identifier, double value, AAX_EUpdateSource source)
{
    const auto result = AAX_CEffectParameters::UpdateParameterNormalizedValue (identifier, value, source);

    if (result != AAX_SUCCESS)
        return result;

    // The parameter holds the confirmed value within 0..1; a NaN never reaches it.
    const auto index = mParameterManager.GetParameterIndex (identifier);
    float confirmed = 0.0f;

    if (auto* parameter = processorParameter (index))
        if (parameter->GetValueAsFloat (&confirmed) && std::isfinite (confirmed))
            getProcessor().setParameter (index, confirmed);

    return result;
}

void AAXEffectParametersAdapter::audioProcessorParameterChanged (juce::AudioProcessor*, int index, float newValue)
{
    const std::lock_guard<std::mutex> lock (hostLink);
    auto* parameter = connected ? processorParameter (index) : nullptr;
    float current = 0.0f;

    // The value the host confirmed last is not sent back to it.
    if (parameter != nullptr && std::isfinite (newValue)
         && ! (parameter->GetValueAsFloat (&current) && current == newValue))
        parameter->SetValueWithFloat (newValue);
}

void AAXEffectParametersAdapter::audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index)
{
    const std::lock_guard<std::mutex> lock (hostLink);

    if (auto* parameter = connected ? processorParameter (index) : nullptr)
        parameter->Touch();
}

void AAXEffectParametersAdapter::audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index)
{
    const std::lock_guard<std::mutex> lock (hostLink);

    if (auto* parameter = connected ? processorParameter (index) : nullptr)
        parameter->Release();
}

//==============================================================================
AAX_Result AAXEffectParametersAdapter::GetNumberOfChunks (int32_t* numChunks) const
{
    const auto result = AAX_CEffectParameters::GetNumberOfChunks (numChunks);

    if (result == AAX_SUCCESS)
        *numChunks = stateChunkIndex + 1;

    return result;
}

AAX_Result AAXEffectParametersAdapter::GetChunkIDFromIndex (int32_t index, AAX_CTypeID* chunkID) const
{
    if (index != stateChunkIndex)
        return AAX_CEffectParameters::GetChunkIDFromIndex (index, chunkID);

    if (chunkID == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    *chunkID = AAXPluginIdentity::stateChunkID;
    return AAX_SUCCESS;
}

AAX_Result AAXEffectParametersAdapter::GetChunkSize (AAX_CTypeID chunkID, uint32_t* size) const
{
    if (chunkID != AAXPluginIdentity::stateChunkID)
        return AAX_CEffectParameters::GetChunkSize (chunkID, size);

    if (size == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    juce::MemoryBlock state;
    getProcessor().getStateInformation (state);

    // Kept until GetChunk, so that the record is filled with exactly what was measured.
    const std::lock_guard<std::mutex> lock (stateLock);
    savedState = std::move (state);
    stateChunkRoom.NoteReportedSize (static_cast<int64_t> (savedState.getSize()));
    *size = static_cast<uint32_t> (savedState.getSize());
    return AAX_SUCCESS;
}

AAX_Result AAXEffectParametersAdapter::GetChunk (AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) const
{
    if (chunkID != AAXPluginIdentity::stateChunkID)
        return AAX_CEffectParameters::GetChunk (chunkID, chunk);

    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const std::lock_guard<std::mutex> lock (stateLock);
    const auto size = static_cast<int64_t> (savedState.getSize());

    if (size == 0 || ! stateChunkRoom.HasRoomFor (*chunk, size))
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;

    chunk->fSize = static_cast<int32_t> (size);
    chunk->fVersion = 0;
    std::memset (chunk->fName, 0, sizeof (chunk->fName));
    std::strncpy (chunk->fName, AAXPluginIdentity::stateChunkName, sizeof (chunk->fName) - 1);
    std::memcpy (AAX_GetChunkData (chunk), savedState.getData(), savedState.getSize());
    return AAX_SUCCESS;
}

AAX_Result AAXEffectParametersAdapter::SetChunk (AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk)
{
    if (chunkID != AAXPluginIdentity::stateChunkID)
        return AAX_CEffectParameters::SetChunk (chunkID, chunk);

    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    if (chunk->fSize <= 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;

    getProcessor().setStateInformation (AAX_GetChunkData (chunk), chunk->fSize);
    return AAX_SUCCESS;
}

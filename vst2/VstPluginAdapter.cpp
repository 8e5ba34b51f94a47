#include "VstPluginAdapter.h"
#include "VstOpcodes.h"
#include "VstPluginIdentity.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace
{
    // Text lengths the adapter writes, without the terminating zero. Hosts
    // give more room than the interface's original 8 characters for
    // parameter texts; these are the lengths hosts are known to accept.
    constexpr int32_t parameterNameLength = 32;
    constexpr int32_t parameterTextLength = 24;
    constexpr int32_t programNameLength = 24;
    constexpr int32_t effectNameLength = 32;
    constexpr int32_t vendorStringLength = 64;
    constexpr int32_t productStringLength = 64;

    // A host's block size beyond this is taken in pieces of this size, so a
    // wild value cannot make the adapter allocate without bound.
    constexpr int maximumPreparedBlockSize = 1 << 16;

    constexpr int32_t offlineProcessLevel = 4;
    constexpr int32_t doublePrecision = 1;

    constexpr int32_t canDoYes = 1;
    constexpr int32_t canDoNo = -1;
    constexpr int32_t canDoUnknown = 0;

    /** Reads a host's text of at most maxLen bytes, even when it lacks its zero. */
    juce::String readHostText (const char* text, int32_t maxLen)
    {
        if (text == nullptr)
            return {};

        return juce::String::fromUTF8 (text, (int) strnlen (text, (size_t) maxLen));
    }

    /** Writes a text into a host's buffer: at most maxLen bytes of whole UTF-8
        characters and a terminating zero, and nothing after that zero. The
        host does not tell its buffer's size, so a short text touches only the
        bytes it needs, however long the limit.
    */
    void writeHostText (const juce::String& text, char* destination, int32_t maxLen)
    {
        if (destination != nullptr)
            text.copyToUTF8 (destination, (size_t) maxLen + 1);
    }

    bool isPositiveNumber (float value) noexcept
    {
        return std::isfinite (value) && value > 0.0f;
    }
}

//==============================================================================
VstPluginAdapter::VstPluginAdapter (HostCallback callback)
    : PluginInstanceOwner (juce::AudioProcessor::wrapperType_VST),
      // Hosts expect at least one program.
      AudioEffectX (callback, juce::jmax (1, getProcessor().getNumPrograms()), getProcessor().getNumParameters()),
      processor (getProcessor())
{
    processor.enableAllBuses();

    setUniqueID (VstPluginIdentity::uniqueId);
    setNumInputs (processor.getTotalNumInputChannels());
    setNumOutputs (processor.getTotalNumOutputChannels());
    canProcessReplacing (true);
    canDoubleReplacing (processor.supportsDoublePrecisionProcessing());
    programsAreChunks (true);
    isSynth (false);
    setInitialDelay (processor.getLatencySamples());
    setFlag (EffectFlags::hasEditor, processor.hasEditor());
    aeffect.version = VstPluginIdentity::decimalVersion;

    processor.setRateAndBufferSizeDetails (0, 0);
    processor.setPlayHead (&playHead);
    processor.addListener (this);
}

VstPluginAdapter::~VstPluginAdapter()
{
    cancelPendingUpdate();
    closeEditor();
    processor.removeListener (this);
    processor.setPlayHead (nullptr);

    if (isProcessing.exchange (false))
        processor.releaseResources();
}

//==============================================================================
int64_t VstPluginAdapter::dispatcher (int32_t opcode, int32_t index, int64_t value, void* ptr, float opt)
{
    switch (opcode)
    {
        case EffectOpcode::editorGetRect:   return getEditorBounds (ptr);
        case EffectOpcode::editorOpen:      return openEditor (ptr);
        case EffectOpcode::editorClose:     closeEditor(); return 0;
        case EffectOpcode::editorIdle:      idleEditor(); return 0;
        default:                            break;
    }

    return AudioEffectX::dispatcher (opcode, index, value, ptr, opt);
}

void VstPluginAdapter::open()
{
    setFlag (EffectFlags::hasEditor, processor.hasEditor());
}

void VstPluginAdapter::close()
{
    if (juce::MessageManager::getInstance()->isThisTheMessageThread())
        closeEditor();
}

void VstPluginAdapter::setSampleRate (float newSampleRate)
{
    if (isPositiveNumber (newSampleRate))
        AudioEffectX::setSampleRate (newSampleRate);
}

//==============================================================================
void VstPluginAdapter::resume()
{
    if (isProcessing.exchange (false))
        processor.releaseResources();

    preparedBlockSize = juce::jlimit (1, maximumPreparedBlockSize, (int) blockSize);
    numWorkChannels = juce::jmax (aeffect.numInputs, aeffect.numOutputs);

    processor.setNonRealtime (getCurrentProcessLevel() == offlineProcessLevel);
    processor.setRateAndBufferSizeDetails (sampleRate, preparedBlockSize);

    floatWorkBuffer.setSize (numWorkChannels, preparedBlockSize);
    doubleWorkBuffer.setSize (processor.isUsingDoublePrecision() ? numWorkChannels : 0, preparedBlockSize);
    midiEvents.ensureSize (2048);
    midiEvents.clear();

    processor.prepareToPlay (sampleRate, preparedBlockSize);
    setInitialDelay (processor.getLatencySamples());
    isProcessing = true;

    AudioEffectX::resume();
}

void VstPluginAdapter::suspend()
{
    if (isProcessing.exchange (false))
        processor.releaseResources();
}

void VstPluginAdapter::processReplacing (float** inputs, float** outputs, int32_t frames)
{
    processInBlocks (inputs, outputs, frames, floatWorkBuffer);
}

void VstPluginAdapter::processDoubleReplacing (double** inputs, double** outputs, int32_t frames)
{
    if (processor.isUsingDoublePrecision())
        processInBlocks (inputs, outputs, frames, doubleWorkBuffer);
    else
        clearOutputs (outputs, frames);
}

template <typename FloatType>
void VstPluginAdapter::clearOutputs (FloatType** outputs, int32_t frames) const
{
    if (outputs == nullptr || frames <= 0)
        return;

    for (int channel = 0; channel < aeffect.numOutputs; ++channel)
        if (outputs[channel] != nullptr)
            juce::FloatVectorOperations::clear (outputs[channel], frames);
}

template <typename FloatType>
void VstPluginAdapter::processInBlocks (FloatType** inputs, FloatType** outputs, int32_t frames,
                                        juce::AudioBuffer<FloatType>& workBuffer)
{
    if (outputs == nullptr || frames <= 0)
        return;

    // Before the host resumes the effect, or while something else holds the
    // processor (it never waits for it), the outputs are silent.
    const juce::ScopedTryLock callbackLock (processor.getCallbackLock());

    if (! isProcessing || ! callbackLock.isLocked() || processor.isSuspended()
         || workBuffer.getNumChannels() < numWorkChannels)
    {
        clearOutputs (outputs, frames);
        return;
    }

    playHead.update (getTimeInfo (VstTimeInfo::allOptionalFields));

    // A host may switch to offline rendering without a suspend and resume.
    processor.setNonRealtime (getCurrentProcessLevel() == offlineProcessLevel);

    const auto numInputs = aeffect.numInputs;
    const auto numOutputs = aeffect.numOutputs;

    // The work buffer copies the host's channels in, so that a host that
    // repeats or omits channel pointers, or processes in place, is safe, and
    // a block longer than announced is taken in prepared pieces.
    for (int start = 0; start < frames; start += preparedBlockSize)
    {
        const auto length = juce::jmin (preparedBlockSize, (int) frames - start);

        for (int channel = 0; channel < numWorkChannels; ++channel)
        {
            auto* work = workBuffer.getWritePointer (channel);

            if (inputs != nullptr && channel < numInputs && inputs[channel] != nullptr)
                juce::FloatVectorOperations::copy (work, inputs[channel] + start, length);
            else
                juce::FloatVectorOperations::clear (work, length);
        }

        juce::AudioBuffer<FloatType> block (workBuffer.getArrayOfWritePointers(), numWorkChannels, length);
        midiEvents.clear();
        processor.processBlock (block, midiEvents);

        for (int channel = 0; channel < numOutputs; ++channel)
            if (outputs[channel] != nullptr)
                juce::FloatVectorOperations::copy (outputs[channel] + start, workBuffer.getReadPointer (channel), length);
    }
}

bool VstPluginAdapter::setProcessPrecision (int32_t precision)
{
    if (isProcessing)
        return false;

    const bool useDouble = precision == doublePrecision && processor.supportsDoublePrecisionProcessing();
    processor.setProcessingPrecision (useDouble ? juce::AudioProcessor::doublePrecision
                                                : juce::AudioProcessor::singlePrecision);
    return true;
}

int32_t VstPluginAdapter::getGetTailSize()
{
    const auto tailSeconds = processor.getTailLengthSeconds();
    const auto tailSamples = tailSeconds * sampleRate;

    if (! (tailSamples > 0.0))
        return 0;

    if (tailSamples >= (double) std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();

    return (int32_t) tailSamples;
}

//==============================================================================
bool VstPluginAdapter::isValidParameter (int32_t index) const noexcept
{
    return index >= 0 && index < numParams;
}

void VstPluginAdapter::setParameter (int32_t index, float value)
{
    if (isValidParameter (index))
        processor.setParameter (index, value);
}

float VstPluginAdapter::getParameter (int32_t index)
{
    return isValidParameter (index) ? processor.getParameter (index) : 0.0f;
}

void VstPluginAdapter::getParameterLabel (int32_t index, char* label)
{
    writeHostText (isValidParameter (index) ? processor.getParameterLabel (index) : juce::String(),
                   label, parameterTextLength);
}

void VstPluginAdapter::getParameterDisplay (int32_t index, char* text)
{
    writeHostText (isValidParameter (index) ? processor.getParameterText (index, parameterTextLength) : juce::String(),
                   text, parameterTextLength);
}

void VstPluginAdapter::getParameterName (int32_t index, char* text)
{
    writeHostText (isValidParameter (index) ? processor.getParameterName (index, parameterNameLength) : juce::String(),
                   text, parameterNameLength);
}

bool VstPluginAdapter::canParameterBeAutomated (int32_t index)
{
    return isValidParameter (index) && processor.isParameterAutomatable (index);
}

//==============================================================================
int32_t VstPluginAdapter::getProgram()
{
    return processor.getNumPrograms() > 0 ? processor.getCurrentProgram() : 0;
}

void VstPluginAdapter::setProgram (int32_t program)
{
    if (juce::isPositiveAndBelow (program, processor.getNumPrograms()))
    {
        programIndex = program;
        processor.setCurrentProgram (program);
    }
}

void VstPluginAdapter::setProgramName (char* name)
{
    if (name != nullptr && processor.getNumPrograms() > 0)
        processor.changeProgramName (processor.getCurrentProgram(), readHostText (name, programNameLength));
}

void VstPluginAdapter::getProgramName (char* name)
{
    writeHostText (processor.getNumPrograms() > 0 ? processor.getProgramName (processor.getCurrentProgram()) : juce::String(),
                   name, programNameLength);
}

bool VstPluginAdapter::getProgramNameIndexed (int32_t, int32_t index, char* text)
{
    if (text == nullptr || ! juce::isPositiveAndBelow (index, processor.getNumPrograms()))
        return false;

    writeHostText (processor.getProgramName (index), text, programNameLength);
    return true;
}

//==============================================================================
int32_t VstPluginAdapter::getChunk (void** data, bool isPreset)
{
    if (data == nullptr)
        return 0;

    juce::MemoryBlock state;

    if (isPreset)
        processor.getCurrentProgramStateInformation (state);
    else
        processor.getStateInformation (state);

    // The host reads the chunk after this call returns, so it is kept until
    // the next chunk call.
    const std::lock_guard<std::mutex> lock (chunkLock);
    chunk = std::move (state);
    *data = chunk.getData();
    return (int32_t) chunk.getSize();
}

int32_t VstPluginAdapter::setChunk (void* data, int32_t byteSize, bool isPreset)
{
    // The last chunk handed out is no longer needed, but a host may pass that
    // very chunk back, so it is freed only after it has been read.
    juce::MemoryBlock previousChunk;

    {
        const std::lock_guard<std::mutex> lock (chunkLock);
        previousChunk.swapWith (chunk);
    }

    if (data == nullptr || byteSize <= 0)
        return 0;

    if (isPreset)
        processor.setCurrentProgramStateInformation (data, byteSize);
    else
        processor.setStateInformation (data, byteSize);

    return 0;
}

//==============================================================================
bool VstPluginAdapter::getEffectName (char* name)
{
    writeHostText (VstPluginIdentity::effectName, name, effectNameLength);
    return name != nullptr;
}

bool VstPluginAdapter::getVendorString (char* text)
{
    writeHostText (VstPluginIdentity::vendorString, text, vendorStringLength);
    return text != nullptr;
}

bool VstPluginAdapter::getProductString (char* text)
{
    writeHostText (VstPluginIdentity::productString, text, productStringLength);
    return text != nullptr;
}

int32_t VstPluginAdapter::getVendorVersion()    { return VstPluginIdentity::decimalVersion; }
int32_t VstPluginAdapter::getPlugCategory()     { return VstPluginIdentity::effectCategory; }

int32_t VstPluginAdapter::canDo (char* text)
{
    const auto query = readHostText (text, 64);

    if (query == "receiveVstEvents" || query == "receiveVstMidiEvent" || query == "receiveVstMidiEvents"
         || query == "sendVstEvents" || query == "sendVstMidiEvent" || query == "sendVstMidiEvents")
        return canDoNo;

    if (query == "receiveVstTimeInfo")
        return canDoYes;

    return canDoUnknown;
}

//==============================================================================
int64_t VstPluginAdapter::getEditorBounds (void* ptr)
{
    if (ptr == nullptr)
        return 0;

    createEditorIfNeeded();

    if (editorHolder == nullptr)
        return 0;

    editorRect = { 0, 0, (int16_t) editorHolder->getHeight(), (int16_t) editorHolder->getWidth() };
    *static_cast<ERect**> (ptr) = &editorRect;
    return 1;
}

int64_t VstPluginAdapter::openEditor (void* parentWindow)
{
    if (parentWindow == nullptr || ! processor.hasEditor())
        return 0;

    // The framework's message thread stays stopped from the old editor's
    // deletion to the new one's attachment.
    const HostDrivenMessageLoop hostDrivenMessageLoop;

    // The editor made to answer the host's size query is the one shown; one
    // already shown in another window is replaced.
    if (editorHolder != nullptr && editorHolder->isOnDesktop())
        closeEditor();

    createEditorIfNeeded();

    if (editorHolder == nullptr)
        return 0;

    editorHolder->attachToHost (parentWindow);
    return 1;
}

void VstPluginAdapter::createEditorIfNeeded()
{
    if (editorHolder == nullptr)
        editorHolder = HostWindowEditorHolder::create (processor, [this] (int width, int height) { sizeWindow (width, height); });
}

void VstPluginAdapter::closeEditor()
{
    editorHolder.reset();
}

void VstPluginAdapter::idleEditor()
{
    if (editorHolder != nullptr)
        editorHolder->processPendingMessages();
}

//==============================================================================
void VstPluginAdapter::audioProcessorParameterChanged (juce::AudioProcessor*, int index, float newValue)
{
    setParameterAutomated (index, newValue);
}

void VstPluginAdapter::audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index)
{
    beginEdit (index);
}

void VstPluginAdapter::audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index)
{
    endEdit (index);
}

void VstPluginAdapter::audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails& details)
{
    // May come from any thread: the host hears of it from the message thread.
    if (details.latencyChanged)
        latencyUpdatePending = true;

    if (details.parameterInfoChanged || details.programChanged)
        displayUpdatePending = true;

    triggerAsyncUpdate();
}

void VstPluginAdapter::handleAsyncUpdate()
{
    if (latencyUpdatePending.exchange (false))
    {
        setInitialDelay (processor.getLatencySamples());
        ioChanged();
    }

    if (displayUpdatePending.exchange (false))
        updateDisplay();
}

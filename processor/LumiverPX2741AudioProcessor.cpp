#include "LumiverPX2741AudioProcessor.h"
#include "SampleRateClass.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
    const char* const documentTag = "vardunPatch";
    const char* const propertiesTag = "Properties";
    const char* const documentVersion = "1.0";
    const char* const presetVersion = "1.0";
    const char* const initialPresetPath = "Init.vpxp";

    /** Gains below this count as silence, for the off short-cut and the fades. */
    constexpr float silenceThreshold = 1e-15f;

    /** A document value that differs from the current one by at least this much is a change. */
    constexpr float comparisonTolerance = 1e-5f;

    // The module parameters the processor drives besides the five values.
    constexpr int moduleBypassIndex = 0;
    constexpr int moduleStereoModeIndex = 1;
    constexpr int moduleSyncOnIndex = 7;

    bool isValidProgram (int program) noexcept
    {
        return (unsigned int) program < (unsigned int) LumiverPX2741AudioProcessor::numPrograms;
    }

    bool isValidSlot (int slot) noexcept
    {
        return (unsigned int) slot < (unsigned int) ProgramSlots::numSlots;
    }

    bool isValidParameter (int index) noexcept
    {
        return (unsigned int) index < (unsigned int) numParameters;
    }

    void copySamples (const float* source, float* destination, int numSamples) noexcept
    {
        std::copy (source, source + numSamples, destination);
    }

    /** The sample-rate class of the host's rate, decided on the rate itself:
        the rate is rounded down to a float, so that a rate just below a
        threshold is not rounded up onto it.
    */
    int16_t getFadeLength (double sampleRate) noexcept
    {
        auto rate = (float) sampleRate;

        if ((double) rate > sampleRate)
            rate = std::nextafter (rate, -std::numeric_limits<float>::infinity());

        return (int16_t) getSampleRateClass (rate);
    }
}

//==============================================================================
LumiverPX2741AudioProcessor::LumiverPX2741AudioProcessor()
    : juce::AudioProcessor (BusesProperties().withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                             .withOutput ("Output", juce::AudioChannelSet::stereo(), true))
{
    initDefaultPreset();
    startTimer (typeChangePollMs);
}

LumiverPX2741AudioProcessor::~LumiverPX2741AudioProcessor()
{
    // No poll may run while the members go.
    stopTimer();
}

//==============================================================================
const juce::String LumiverPX2741AudioProcessor::getName() const          { return productName; }
bool LumiverPX2741AudioProcessor::silenceInProducesSilenceOut() const    { return false; }
double LumiverPX2741AudioProcessor::getTailLengthSeconds() const         { return 0.0; }
bool LumiverPX2741AudioProcessor::acceptsMidi() const                    { return false; }
bool LumiverPX2741AudioProcessor::producesMidi() const                   { return false; }
bool LumiverPX2741AudioProcessor::hasEditor() const                      { return true; }

const juce::String LumiverPX2741AudioProcessor::getInputChannelName (int channelIndex) const   { return juce::String (channelIndex + 1); }
const juce::String LumiverPX2741AudioProcessor::getOutputChannelName (int channelIndex) const  { return juce::String (channelIndex + 1); }
bool LumiverPX2741AudioProcessor::isInputChannelStereoPair (int) const   { return true; }
bool LumiverPX2741AudioProcessor::isOutputChannelStereoPair (int) const  { return true; }

bool LumiverPX2741AudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto input = layouts.getMainInputChannelSet();
    const auto output = layouts.getMainOutputChannelSet();

    if (output == juce::AudioChannelSet::mono())
        return input == juce::AudioChannelSet::mono();

    if (output == juce::AudioChannelSet::stereo())
        return input == juce::AudioChannelSet::mono() || input == juce::AudioChannelSet::stereo();

    return false;
}

//==============================================================================
int LumiverPX2741AudioProcessor::getNumParameters()
{
    return numParameters;
}

const juce::String LumiverPX2741AudioProcessor::getParameterName (int index)
{
    return ParameterTable::getKey (index);
}

float LumiverPX2741AudioProcessor::getParameter (int index)
{
    return isValidParameter (index) ? getActiveSlotParams()[index].load() : 0.0f;
}

const juce::String LumiverPX2741AudioProcessor::getParameterText (int index)
{
    return isValidParameter (index) ? ParameterTable::getDisplayText (index, currentParams[index].load())
                                    : juce::String();
}

float LumiverPX2741AudioProcessor::getParameterDefaultValue (int index)
{
    return ParameterTable::getDefaultValue (index);
}

void LumiverPX2741AudioProcessor::setParameter (int index, float newValue)
{
    // A NaN or infinite value from a host would end up in the documents and the
    // modules; it is refused and the present value kept.
    if (! isValidParameter (index) || ! std::isfinite (newValue))
        return;

    getActiveSlotParams()[index].store (newValue);
    currentParams[index].store (newValue, std::memory_order_relaxed);
    parametersChanged.store (true);

    if (index == tremoloTypeIndex)
        scheduleTypeChange();
}

//==============================================================================
int LumiverPX2741AudioProcessor::getNumPrograms()
{
    return numPrograms;
}

int LumiverPX2741AudioProcessor::getCurrentProgram()
{
    return currentProgram.load();
}

void LumiverPX2741AudioProcessor::setCurrentProgram (int index)
{
    if (! isValidProgram (index))
        return;

    currentProgram.store (index);
    const int slot = getActiveSlot (index);

    for (int k = 0; k < numParameters; ++k)
        setParameterNotifyingHost (k, programs[index].slotParams[slot][k].load());

    programChanged.store (true);
    parametersChanged.store (true);
    slotChanged.store (true);
}

const juce::String LumiverPX2741AudioProcessor::getProgramName (int index)
{
    if (! isValidProgram (index))
        return {};

    const auto path = getPresetPath (index, getActiveSlot (index));
    return presetRootFolder().getChildFile (path).getFileNameWithoutExtension();
}

void LumiverPX2741AudioProcessor::changeProgramName (int, const juce::String&)
{
}

void LumiverPX2741AudioProcessor::initDefaultPreset()
{
    currentProgram.store (0);

    for (int program = 0; program < numPrograms; ++program)
    {
        programs[program].activeChannel.store (0);

        for (int slot = 0; slot < ProgramSlots::numSlots; ++slot)
        {
            setPresetPath (program, slot, initialPresetPath);

            for (int k = 0; k < numParameters; ++k)
            {
                const float value = getParameterDefaultValue (k);
                programs[program].slotParams[slot][k].store (value);
                currentParams[k].store (value);
            }
        }
    }
}

int LumiverPX2741AudioProcessor::getActiveSlot (int program) const noexcept
{
    // The editor writes activeChannel directly; anything but B reads as A.
    return programs[program].activeChannel.load() == 1 ? 1 : 0;
}

int LumiverPX2741AudioProcessor::getCurrentProgramIndex() const noexcept
{
    return juce::jlimit (0, numPrograms - 1, currentProgram.load());
}

std::atomic<float>* LumiverPX2741AudioProcessor::getActiveSlotParams() noexcept
{
    const int program = getCurrentProgramIndex();
    return programs[program].slotParams[getActiveSlot (program)];
}

//==============================================================================
juce::String LumiverPX2741AudioProcessor::getPresetPath (int program, int slot) const
{
    if (! isValidProgram (program) || ! isValidSlot (slot))
        return {};

    const juce::ScopedLock lock (presetPathLock);
    return programs[program].presetPath[slot];
}

void LumiverPX2741AudioProcessor::setPresetPath (int program, int slot, const juce::String& path)
{
    if (! isValidProgram (program) || ! isValidSlot (slot))
        return;

    const juce::ScopedLock lock (presetPathLock);
    programs[program].presetPath[slot] = path;
}

juce::String LumiverPX2741AudioProcessor::getActivePresetPath() const
{
    const int program = getCurrentProgramIndex();
    return getPresetPath (program, getActiveSlot (program));
}

void LumiverPX2741AudioProcessor::setActivePresetPath (const juce::String& path)
{
    const int program = getCurrentProgramIndex();
    setPresetPath (program, getActiveSlot (program), path);
}

//==============================================================================
void LumiverPX2741AudioProcessor::scheduleTypeChange() noexcept
{
    // Starting a juce::Timer locks and may allocate, which the audio thread
    // (where host automation arrives) must not do; the message thread's poll
    // picks the change up instead, typeChangeDelayMs after the last one.
    typeChangeDueMs.store (juce::Time::getMillisecondCounter() + (uint32_t) typeChangeDelayMs);
    typeChangeRequests.fetch_add (1);
}

void LumiverPX2741AudioProcessor::timerCallback()
{
    const uint32_t requests = typeChangeRequests.load();

    if (requests == handledTypeChangeRequests)
        return;

    if ((int32_t) (juce::Time::getMillisecondCounter() - typeChangeDueMs.load()) < 0)
        return;

    handledTypeChangeRequests = requests;
    requestTypeChange();
}

void LumiverPX2741AudioProcessor::requestTypeChange()
{
    const int type = ParameterTable::getWaveType (currentParams[tremoloTypeIndex].load());

    if (type != requestedType.load())
    {
        requestedType.store (type);
        typeChangePending.store (true, std::memory_order_release);
    }
}

void LumiverPX2741AudioProcessor::takeTypeChangeRequest()
{
    if (! typeChangePending.exchange (false, std::memory_order_acquire))
        return;

    const int type = requestedType.load();

    if (type == targetType)
        return;

    if (type == currentType)
    {
        // Back to the module still heard before its fade-out ended: it keeps
        // full weight, and it is not restarted while it plays.
        targetType = currentType;
        typeFadeActive = false;
        typeFadeGain = 1.0f;
        typeFadeStep = 0.0f;
        return;
    }

    targetType = type;
    typeFadeGain = 1.0f;
    typeFadeStep = -1.0f / (float) fadeLength;

    if (auto* module = getModule (type))
    {
        module->reset();
        module->forceCalcParams();
    }

    typeFadeActive = true;
}

ModuleModel* LumiverPX2741AudioProcessor::getModule (int waveType) noexcept
{
    return (unsigned int) waveType < (unsigned int) numWaveTypes ? modules[waveType] : nullptr;
}

//==============================================================================
void LumiverPX2741AudioProcessor::prepareToPlay (double sampleRate, int estimatedBlockSize)
{
    fadeLength = getFadeLength (sampleRate);
    onFadeCounter = fadeLength;

    bufferLength = std::max (estimatedBlockSize, minimumBufferLength);
    dryBufferL = std::make_unique<float[]> ((size_t) bufferLength);
    dryBufferR = std::make_unique<float[]> ((size_t) bufferLength);
    fadeBufferL = std::make_unique<float[]> ((size_t) bufferLength);
    fadeBufferR = std::make_unique<float[]> ((size_t) bufferLength);

    for (auto* module : modules)
    {
        module->setSampleRate ((float) sampleRate);
        module->setExpectedSampleFrame (bufferLength);
    }

    forceCalcParams();
}

void LumiverPX2741AudioProcessor::releaseResources()
{
    dryBufferL.reset();
    dryBufferR.reset();
    fadeBufferL.reset();
    fadeBufferR.reset();
    bufferLength = 0;
}

void LumiverPX2741AudioProcessor::forceCalcParams()
{
    effectOn = currentParams[onBypassIndex].load() > 0.0f;

    onFadeStep = 0.0f;
    onFadeCounter = fadeLength;
    onGain = onTarget = effectOn ? 1.0f : 0.0f;

    currentType = targetType = ParameterTable::getWaveType (currentParams[tremoloTypeIndex].load());
    requestedType.store (currentType);

    typeFadeActive = false;
    typeChangePending.store (false);
    typeFadeGain = 1.0f;
    typeFadeStep = 0.0f;

    for (auto* module : modules)
        module->reset();

    for (auto* module : modules)
        module->setParameter (moduleBypassIndex, 1.0f);

    if (getPlayHead() != nullptr)
    {
        updateTempo();

        for (auto* module : modules)
            module->setBpm (currentBpm);
    }

    float* const lastValues[] = { &lastRate, &lastRateSync, &lastShape, &lastDepth, &lastLevel };

    for (int k = rateIndex; k <= levelIndex; ++k)
    {
        const float value = currentParams[k].load();

        for (auto* module : modules)
            module->setParameter (k, value);

        *lastValues[k - rateIndex] = value;
    }

    lastStereo = currentParams[stereoIndex].load() > 0.0f;
    lastSync = currentParams[syncIndex].load() > 0.0f;

    for (auto* module : modules)
    {
        module->setParameter (moduleStereoModeIndex, lastStereo ? 1.0f : 0.0f);
        module->setParameter (moduleSyncOnIndex, lastSync ? 1.0f : 0.0f);
    }

    for (auto* module : modules)
        module->forceCalcParams();

    typeChangePending.store (false);
}

//==============================================================================
void LumiverPX2741AudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;

    const int numSamples = buffer.getNumSamples();

    if (buffer.getNumChannels() <= 0 || numSamples < 0)
        return;

    if (dryBufferL == nullptr)
    {
        // Not prepared: the input passes, a mono input to both outputs.
        if (getTotalNumInputChannels() <= 1 && getTotalNumOutputChannels() >= 2 && buffer.getNumChannels() > 1)
            buffer.copyFrom (1, 0, buffer, 0, 0, numSamples);

        return;
    }

    // A block longer than the work buffers is processed in pieces that fit them.
    int start = 0;

    do
    {
        const int length = std::min (numSamples - start, bufferLength);
        processSection (buffer, start, length);
        start += length;
    }
    while (start < numSamples);
}

void LumiverPX2741AudioProcessor::processSection (juce::AudioBuffer<float>& buffer, int startSample, int numSamples)
{
    const int numIn = getTotalNumInputChannels();
    const int numOut = getTotalNumOutputChannels();
    const int numChannels = buffer.getNumChannels();

    // Offsets rather than getWritePointer (channel, start), which an empty block would trip.
    float* const left = buffer.getWritePointer (0) + startSample;
    float* const right = ((numIn > 1 || numOut >= 2) && numChannels > 1) ? buffer.getWritePointer (1) + startSample
                                                                        : nullptr;
    const bool stereoOut = numOut >= 2 && right != nullptr;

    // A due change of wave type is taken first, as if the message thread had
    // prepared the incoming module between blocks: before this block's tempo
    // and values reach it. While the effect is off, the raised crossfade waits.
    takeTypeChangeRequest();

    // A mono input leaves as a stereo pair, whatever the host left in channel 1.
    if (numIn <= 1 && stereoOut)
        copySamples (left, right, numSamples);

    const float onBypass = currentParams[onBypassIndex].load (std::memory_order_relaxed);
    effectOn = onBypass > 0.0f;

    if (onBypass == 0.0f && onGain < silenceThreshold)
    {
        if (numIn == 1 && numOut >= 2 && numSamples > 0)
            for (int channel = 1; channel < std::min (numOut, numChannels); ++channel)
                copySamples (left, buffer.getWritePointer (channel) + startSample, numSamples);

        return;
    }

    copySamples (left, dryBufferL.get(), numSamples);

    if (right != nullptr)
        copySamples (right, dryBufferR.get(), numSamples);

    if (getPlayHead() != nullptr)
    {
        const float previousBpm = currentBpm;
        updateTempo();

        if (! (currentBpm == previousBpm))
            for (auto* module : modules)
                module->setBpm (currentBpm);
    }

    const bool fadeWasActive = typeFadeActive;
    const int fadeTarget = targetType;

    pushParameters (fadeTarget);

    if (fadeWasActive)
    {
        copySamples (left, fadeBufferL.get(), numSamples);

        if (stereoOut)
            copySamples (right, fadeBufferR.get(), numSamples);
    }

    if (auto* module = getModule (currentType))
    {
        if (stereoOut)
            module->process (left, right, numSamples);
        else
            module->process (left, numSamples);
    }

    if (fadeWasActive)
        crossfadeTypes (left, stereoOut ? right : nullptr, fadeTarget, numSamples);

    applyOnOffRamp (left, stereoOut ? right : nullptr, numSamples);
}

void LumiverPX2741AudioProcessor::updateTempo()
{
    if (auto* playHead = getPlayHead())
        if (const auto position = playHead->getPosition())
            positionInfo = *position;

    // A position without a tempo reads as 120 beats per minute, as hosts have
    // always been answered.
    currentBpm = (float) positionInfo.getBpm().orFallback (120.0);
}

void LumiverPX2741AudioProcessor::pushParameters (int waveType)
{
    auto* target = getModule (waveType);

    pushSwitch (moduleStereoModeIndex, currentParams[stereoIndex].load (std::memory_order_relaxed) > 0.0f, lastStereo, target);
    pushSwitch (moduleSyncOnIndex, currentParams[syncIndex].load (std::memory_order_relaxed) > 0.0f, lastSync, target);

    float* const lastValues[] = { &lastRate, &lastRateSync, &lastShape, &lastDepth, &lastLevel };

    for (int k = rateIndex; k <= levelIndex; ++k)
        pushValue (k, currentParams[k].load (std::memory_order_relaxed), *lastValues[k - rateIndex], target);
}

void LumiverPX2741AudioProcessor::pushSwitch (int moduleIndex, bool value, bool& lastValue, ModuleModel* target)
{
    if (value == lastValue)
        return;

    for (auto* module : modules)
        module->setParameter (moduleIndex, value ? 1.0f : 0.0f);

    if (target != nullptr)
        target->calcParameter (moduleIndex);

    lastValue = value;
}

void LumiverPX2741AudioProcessor::pushValue (int index, float value, float& lastValue, ModuleModel* target)
{
    // The module indices of rate, rate-sync, slope, depth and level equal the processor's.
    if (value == lastValue)
        return;

    for (auto* module : modules)
        module->setParameter (index, value);

    if (target != nullptr)
        target->calcParameter (index);

    lastValue = value;
}

void LumiverPX2741AudioProcessor::crossfadeTypes (float* left, float* right, int waveType, int numSamples)
{
    if (auto* module = getModule (waveType))
    {
        if (right != nullptr)
            module->process (fadeBufferL.get(), fadeBufferR.get(), numSamples);
        else
            module->process (fadeBufferL.get(), numSamples);
    }

    const float* const incomingL = fadeBufferL.get();
    const float* const incomingR = fadeBufferR.get();

    for (int i = 0; i < numSamples; ++i)
    {
        float gain = typeFadeGain;

        if (gain > silenceThreshold)
        {
            gain = gain + typeFadeStep;
            typeFadeGain = gain;
        }

        if (gain <= silenceThreshold)
        {
            typeFadeGain = 0.0f;
            typeFadeActive = false;
            currentType = waveType;
            gain = 0.0f;
        }

        left[i] = (1.0f - gain) * incomingL[i] + gain * left[i];

        if (right != nullptr)
            right[i] = (1.0f - gain) * incomingR[i] + gain * right[i];
    }
}

void LumiverPX2741AudioProcessor::applyOnOffRamp (float* left, float* right, int numSamples)
{
    const float target = effectOn ? 1.0f : 0.0f;

    if (target != onTarget)
    {
        onFadeStep = (target - onGain) * (1.0f / (float) fadeLength);
        onFadeCounter = 0;
        onTarget = target;
    }

    const float* const dryL = dryBufferL.get();
    const float* const dryR = dryBufferR.get();

    for (int i = 0; i < numSamples; ++i)
    {
        if (onFadeCounter < fadeLength)
        {
            ++onFadeCounter;
            onGain += onFadeStep;

            if (onGain > 1.0f)
                onGain = 1.0f;
            else if (onGain < silenceThreshold)
                onGain = 0.0f;
        }

        left[i] = onGain * left[i] + (1.0f - onGain) * dryL[i];

        if (right != nullptr)
            right[i] = onGain * right[i] + (1.0f - onGain) * dryR[i];
    }
}

//==============================================================================
juce::XmlElement LumiverPX2741AudioProcessor::createRoot()
{
    juce::XmlElement root (documentTag);
    root.setAttribute ("version", documentVersion);
    root.createNewChildElement ("DeviceName")->addTextElement (productName);
    return root;
}

juce::XmlElement* LumiverPX2741AudioProcessor::createProperties()
{
    auto* properties = new juce::XmlElement (propertiesTag);
    properties->setAttribute ("deviceProductID", productIdentifier);
    properties->setAttribute ("deviceVersion", productVersion);
    properties->setAttribute ("presetVersion", presetVersion);
    return properties;
}

juce::XmlElement* LumiverPX2741AudioProcessor::createValue (int index, float value)
{
    auto* element = new juce::XmlElement ("Value");
    element->setAttribute ("property", ParameterTable::getKey (index));
    element->setAttribute ("type", ParameterTable::getValueType (index));
    element->addTextElement (ParameterTable::toValueText (index, value));
    return element;
}

juce::XmlElement* LumiverPX2741AudioProcessor::createChannel (int program, int slot)
{
    auto* channel = new juce::XmlElement ("Channel");
    channel->setAttribute ("channel", slot);
    channel->setAttribute ("presetPath", getPresetPath (program, slot));

    for (int k = 0; k < numParameters; ++k)
        channel->addChildElement (createValue (k, programs[program].slotParams[slot][k].load()));

    return channel;
}

juce::XmlElement LumiverPX2741AudioProcessor::writePreset (bool presetFileOnly)
{
    auto root = createRoot();
    auto* properties = createProperties();

    if (presetFileOnly)
    {
        const auto* values = getActiveSlotParams();

        for (int k = 0; k < numParameters; ++k)
            properties->addChildElement (createValue (k, values[k].load()));
    }
    else
    {
        properties->setAttribute ("activePreset", getCurrentProgram());

        for (int program = 0; program < numPrograms; ++program)
        {
            auto* preset = new juce::XmlElement ("Preset");
            preset->setAttribute ("preset", program);
            preset->setAttribute ("activeChannel", programs[program].activeChannel.load());

            for (int slot = 0; slot < ProgramSlots::numSlots; ++slot)
                preset->addChildElement (createChannel (program, slot));

            properties->addChildElement (preset);
        }
    }

    root.addChildElement (properties);
    return root;
}

juce::XmlElement LumiverPX2741AudioProcessor::writeCurrentProgram()
{
    auto root = createRoot();
    auto* properties = createProperties();
    const int program = juce::jlimit (0, numPrograms - 1, currentProgram.load());

    properties->setAttribute ("activeChannel", programs[program].activeChannel.load());

    for (int slot = 0; slot < ProgramSlots::numSlots; ++slot)
        properties->addChildElement (createChannel (program, slot));

    root.addChildElement (properties);
    return root;
}

PresetReadResult LumiverPX2741AudioProcessor::readPreset (std::unique_ptr<juce::XmlElement> xml, bool presetFileOnly)
{
    if (! presetFileOnly)
    {
        if (xml == nullptr || ! xml->hasTagName (documentTag))
            return stateLoaded;

        for (auto* element : xml->getChildIterator())
        {
            int selectedProgram = 0;
            int selectedSlot = 0;

            if (element->hasTagName (propertiesTag))
            {
                const int activePreset = element->getAttributeValue (3).getIntValue();
                int program = 0;

                // Presets and Channels are placed by position; any beyond the
                // store are skipped, and so is an active slot other than A or B.
                for (auto* preset : element->getChildIterator())
                {
                    if (! isValidProgram (program))
                        break;

                    const int activeChannel = preset->getAttributeValue (1).getIntValue();

                    if (isValidSlot (activeChannel))
                        programs[program].activeChannel.store (activeChannel);

                    int slot = 0;

                    for (auto* channel : preset->getChildIterator())
                    {
                        if (! isValidSlot (slot))
                            break;

                        readChannel (*channel, program, slot);

                        if (program == activePreset && slot == activeChannel)
                        {
                            selectedProgram = program;
                            selectedSlot = slot;
                        }

                        ++slot;
                    }

                    ++program;
                }
            }

            currentProgram.store (selectedProgram);
            programs[selectedProgram].activeChannel.store (selectedSlot);
            setCurrentProgram (selectedProgram);
        }

        return stateLoaded;
    }

    if (xml == nullptr || ! xml->hasTagName (documentTag))
        return presetNotRead;

    auto* properties = xml->getChildByName (propertiesTag);

    if (properties == nullptr)
        return presetNotRead;

    if (properties->getAttributeValue (0) != productIdentifier)
        return presetOtherProduct;

    readPresetElement (properties->getFirstChildElement());

    return properties->getAttributeValue (2).getDoubleValue() > 1.0 ? presetNewerVersion : presetLoaded;
}

bool LumiverPX2741AudioProcessor::readCurrentProgram (std::unique_ptr<juce::XmlElement> xml)
{
    if (xml == nullptr || ! xml->hasTagName (documentTag))
        return false;

    const int program = juce::jlimit (0, numPrograms - 1, currentProgram.load());

    for (auto* element : xml->getChildIterator())
    {
        if (element->hasTagName (propertiesTag))
        {
            const int activeChannel = element->getAttributeValue (3).getIntValue();

            if (isValidSlot (activeChannel))
                programs[program].activeChannel.store (activeChannel);

            int slot = 0;

            for (auto* channel : element->getChildIterator())
            {
                if (! isValidSlot (slot))
                    break;

                readChannel (*channel, program, slot);
                ++slot;
            }
        }

        setCurrentProgram (program);
    }

    return true;
}

void LumiverPX2741AudioProcessor::readChannel (juce::XmlElement& channel, int program, int slot)
{
    setPresetPath (program, slot, channel.getAttributeValue (1));
    storePresetElement (channel.getFirstChildElement(), program, slot);
}

void LumiverPX2741AudioProcessor::readPresetElement (juce::XmlElement* firstValue)
{
    int index = 0;
    float value = 0.0f;

    for (auto* element = firstValue; element != nullptr; element = element->getNextElement())
        if (readValueElement (*element, index, value))
            setParameterNotifyingHost (index, value);
}

void LumiverPX2741AudioProcessor::storePresetElement (juce::XmlElement* firstValue, int program, int slot)
{
    if (! isValidProgram (program) || ! isValidSlot (slot))
        return;

    int index = 0;
    float value = 0.0f;

    for (auto* element = firstValue; element != nullptr; element = element->getNextElement())
        if (readValueElement (*element, index, value))
            programs[program].slotParams[slot][index].store (value);
}

bool LumiverPX2741AudioProcessor::readValueElement (const juce::XmlElement& element, int& index, float& value)
{
    index = ParameterTable::findIndex (element.getAttributeValue (0));

    if (index < 0)
        return false;

    // A text such as "nan" or "1e999" is no value: the parameter keeps its own,
    // and the host is never told of it.
    value = ParameterTable::fromValueText (index, element.getAllSubText());
    return std::isfinite (value);
}

bool LumiverPX2741AudioProcessor::comparePreset (std::unique_ptr<juce::XmlElement> xml)
{
    if (xml == nullptr || ! xml->hasTagName (documentTag))
        return false;

    for (auto* properties : xml->getChildWithTagNameIterator (propertiesTag))
    {
        for (auto* element : properties->getChildIterator())
        {
            const int index = ParameterTable::findIndex (element->getAttributeValue (0));

            if (index < 0)
                continue;

            float current = getParameter (index);

            if (ParameterTable::isSwitch (index) && current > 0.0f)
                current = 1.0f;

            const float difference = current - ParameterTable::fromValueText (index, element->getAllSubText());

            if (std::abs (difference) >= comparisonTolerance)
                return true;
        }
    }

    return false;
}

//==============================================================================
void LumiverPX2741AudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (writePreset (false), destData);
}

void LumiverPX2741AudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (writeCurrentProgram(), destData);
}

void LumiverPX2741AudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 0)
        return;

    pendingStateXml = getXmlFromBinary (data, sizeInBytes);

    if (pendingStateXml != nullptr)
        readPreset (std::move (pendingStateXml), false);
}

void LumiverPX2741AudioProcessor::setCurrentProgramStateInformation (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 0)
        return;

    pendingStateXml = getXmlFromBinary (data, sizeInBytes);

    if (pendingStateXml != nullptr)
        readCurrentProgram (std::move (pendingStateXml));
}

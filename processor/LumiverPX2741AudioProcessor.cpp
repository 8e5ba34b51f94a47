#include "LumiverPX2741AudioProcessor.h"

#include <cmath>

// The class core: construction, fixed answers, parameters, programs, preset
// paths and change flags. The audio path and the documents are defined in
// LumiverPX2741AudioProcessorAudioPath.cpp and
// LumiverPX2741AudioProcessorDocuments.cpp.

namespace
{
    const char* const initialPresetPath = "Init.vpxp";

    bool isValidParameter (int index) noexcept
    {
        return (unsigned int) index < (unsigned int) numParameters;
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
    parametersChanged.store (true, std::memory_order_release);

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

    // The values are stored (each announced as it went); the program and slot
    // flags come before the last raise of parametersChanged.
    programChanged.store (true, std::memory_order_release);
    slotChanged.store (true, std::memory_order_release);
    parametersChanged.store (true, std::memory_order_release);
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

ProgramSlots& LumiverPX2741AudioProcessor::getCurrentProgramSlots() noexcept
{
    return programs[getCurrentProgramIndex()];
}

std::atomic<float>* LumiverPX2741AudioProcessor::getActiveSlotParams() noexcept
{
    const int program = getCurrentProgramIndex();
    return programs[program].slotParams[getActiveSlot (program)];
}

bool LumiverPX2741AudioProcessor::isValidProgram (int program) noexcept
{
    return (unsigned int) program < (unsigned int) numPrograms;
}

bool LumiverPX2741AudioProcessor::isValidProgramSlot (int program, int slot) noexcept
{
    return isValidProgram (program) && ProgramSlots::isValidSlot (slot);
}

//==============================================================================
juce::String LumiverPX2741AudioProcessor::getPresetPath (int program, int slot) const
{
    if (! isValidProgramSlot (program, slot))
        return {};

    const juce::ScopedLock lock (presetPathLock);
    return programs[program].presetPath[slot];
}

void LumiverPX2741AudioProcessor::setPresetPath (int program, int slot, const juce::String& path)
{
    if (! isValidProgramSlot (program, slot))
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

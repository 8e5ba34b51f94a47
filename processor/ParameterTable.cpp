#include "ParameterTable.h"

#include <algorithm>
#include <cmath>

namespace
{
    const char* const keys[numParameters] = { c_bypass, c_type, c_rate, c_rateSync, c_shape,
                                              c_depth, c_level, c_stereoSpread, c_sync };

    constexpr float defaults[numParameters] = { 1.0f, 0.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f };

    /** The value that selects square, one step up from sine. */
    constexpr float waveTypeStep = 0.5f;

    constexpr int displayDecimals = 2;
    constexpr int valueDecimals = 5;
    constexpr float displayScale = 10.0f;

    bool isValidIndex (int index) noexcept
    {
        return (unsigned int) index < (unsigned int) numParameters;
    }

    juce::String wholeNumberText (float value)
    {
        return juce::String ((double) value, 0);
    }
}

juce::String ParameterTable::getKey (int index)
{
    return isValidIndex (index) ? juce::String (keys[index]) : juce::String();
}

int ParameterTable::findIndex (const juce::String& key)
{
    for (int index = 0; index < numParameters; ++index)
        if (key == keys[index])
            return index;

    return -1;
}

float ParameterTable::getDefaultValue (int index)
{
    return isValidIndex (index) ? defaults[index] : 0.0f;
}

bool ParameterTable::isSwitch (int index)
{
    return index == onBypassIndex || index == stereoIndex || index == syncIndex;
}

juce::String ParameterTable::getDisplayText (int index, float value)
{
    if (! isValidIndex (index))
        return {};

    if (isSwitch (index))
        return value == 0.0f ? "Off" : "On";

    if (index == tremoloTypeIndex)
    {
        if (value <= 0.0f)
            return "Type 1";

        return value <= waveTypeStep ? "Type 2" : "Type 3";
    }

    return juce::String (displayScale * value, displayDecimals);
}

juce::String ParameterTable::getValueType (int index)
{
    if (! isValidIndex (index))
        return {};

    return isSwitch (index) ? "boolean" : "number";
}

juce::String ParameterTable::toValueText (int index, float value)
{
    if (! isValidIndex (index))
        return {};

    if (isSwitch (index))
        return value > 0.0f ? "true" : "false";

    if (index == tremoloTypeIndex)
        return wholeNumberText (std::ceil (2.0f * value));

    if (index == rateSyncIndex)
        return juce::String (getNoteValue (value));

    return juce::String (value, valueDecimals);
}

float ParameterTable::fromValueText (int index, const juce::String& text)
{
    if (! isValidIndex (index))
        return 0.0f;

    if (isSwitch (index))
        return text.trim() == "true" ? 1.0f : 0.0f;

    const float number = text.getFloatValue();

    if (index == tremoloTypeIndex)
        return number * waveTypeStep;

    if (index == rateSyncIndex)
        return number / (float) rateSyncSteps;

    return number;
}

int ParameterTable::getWaveType (float value) noexcept
{
    const float type = std::ceil (2.0f * value);

    // Converting a NaN or an out-of-range float to int is undefined; such a
    // value selects no module, like any other type outside 0..2.
    if (! (type >= -1.0f && type <= 3.0f))
        return -1;

    return (int) type;
}

float ParameterTable::getWaveTypeValue (int waveType) noexcept
{
    return waveTypeStep * (float) waveType;
}

int ParameterTable::getNoteValue (float value) noexcept
{
    return SyncedNoteValues::forRateSync (toModuleValue (value));
}

float ParameterTable::toModuleValue (float value) noexcept
{
    return value > 0.0f ? std::min (value, 1.0f) : 0.0f;
}

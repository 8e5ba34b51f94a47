#include "AudioEffect.h"
#include "VstOpcodes.h"
#include "VstText.h"

#include <cmath>
#include <cstring>

namespace
{
    constexpr int32_t effectMagic = fourCharCode ("VstP");
    constexpr int32_t defaultUniqueId = fourCharCode ("NoEf");
    constexpr int32_t identifyAnswer = fourCharCode ("NvEf");

    const char* const hugeText = "Huge!";
    const char* const minusInfinityText = "-oo";

    // float2string shows numbers from -9999999 to 99999999 in 8 characters,
    // counting the sign, the integer digits and the point.
    constexpr double lowestFloatText = -9999999.0;
    constexpr double highestFloatText = 99999999.0;
    constexpr int floatTextBudget = 8;

    constexpr int32_t lowestHugeInteger = 100000000;

    /** Writes an empty text, if there is a buffer. */
    void clearText (char* text) noexcept
    {
        if (text != nullptr)
            text[0] = 0;
    }
}

//==============================================================================
AudioEffect::AudioEffect (HostCallback callback, int32_t programs, int32_t params)
    : hostCallback (callback),
      numPrograms (programs),
      numParams (params)
{
    std::memset (&aeffect, 0, sizeof (aeffect));

    aeffect.magic = effectMagic;
    aeffect.dispatcherEntry = dispatchEffectClass;
    aeffect.processEntry = __processClassDeprecated;
    aeffect.setParameterEntry = setParameterClass;
    aeffect.getParameterEntry = getParameterClass;
    aeffect.numPrograms = programs;
    aeffect.numParams = params;
    aeffect.numInputs = 1;
    aeffect.numOutputs = 2;
    aeffect.flags = EffectFlags::canReplacing;
    aeffect.ioRatio = 1.0f;
    aeffect.object = this;
    aeffect.uniqueID = defaultUniqueId;
    aeffect.version = 1;
    aeffect.processReplacingEntry = processClassReplacing;
    aeffect.processDoubleReplacingEntry = processClassDoubleReplacing;
}

AudioEffect::~AudioEffect() = default;

//==============================================================================
int64_t AudioEffect::dispatcher (int32_t opcode, int32_t index, int64_t value, void* ptr, float opt)
{
    switch (opcode)
    {
        case EffectOpcode::open:                open(); break;
        case EffectOpcode::close:               close(); break;

        case EffectOpcode::setProgram:
            // A value that does not fit 32 bits would wrap into a valid program.
            if (value < numPrograms && value == (int32_t) value)
                setProgram ((int32_t) value);
            break;

        case EffectOpcode::getProgram:          return getProgram();
        case EffectOpcode::setProgramName:      setProgramName (static_cast<char*> (ptr)); break;
        case EffectOpcode::getProgramName:      getProgramName (static_cast<char*> (ptr)); break;
        case EffectOpcode::getParameterLabel:   getParameterLabel (index, static_cast<char*> (ptr)); break;
        case EffectOpcode::getParameterDisplay: getParameterDisplay (index, static_cast<char*> (ptr)); break;
        case EffectOpcode::getParameterName:    getParameterName (index, static_cast<char*> (ptr)); break;
        case EffectOpcode::setSampleRate:       setSampleRate (opt); break;
        case EffectOpcode::setBlockSize:        setBlockSize ((int32_t) value); break;

        case EffectOpcode::mainsChanged:
            if (value != 0)
                resume();
            else
                suspend();
            break;

        case EffectOpcode::editorGetRect:
            return editor != nullptr && editor->getRect (static_cast<ERect**> (ptr)) ? 1 : 0;

        case EffectOpcode::editorOpen:
            return editor != nullptr && editor->open (ptr) ? 1 : 0;

        case EffectOpcode::editorClose:
            if (editor != nullptr)
                editor->close();
            break;

        case EffectOpcode::editorIdle:
            if (editor != nullptr)
                editor->idle();
            break;

        case EffectOpcode::identify:            return identifyAnswer;
        case EffectOpcode::getChunk:            return getChunk (static_cast<void**> (ptr), index != 0);
        case EffectOpcode::setChunk:            return setChunk (ptr, (int32_t) value, index != 0);

        default:
            break;
    }

    return 0;
}

//==============================================================================
int64_t AudioEffect::dispatchEffectClass (AEffect* effect, int32_t opcode, int32_t index,
                                          int64_t value, void* ptr, float opt)
{
    if (effect == nullptr || effect->object == nullptr)
        return 0;

    auto* object = static_cast<AudioEffect*> (effect->object);

    if (opcode == EffectOpcode::close)
    {
        object->dispatcher (opcode, index, value, ptr, opt);
        delete object;
        return 1;
    }

    return object->dispatcher (opcode, index, value, ptr, opt);
}

float AudioEffect::getParameterClass (AEffect* effect, int32_t index)
{
    if (effect == nullptr || effect->object == nullptr)
        return 0.0f;

    return static_cast<AudioEffect*> (effect->object)->getParameter (index);
}

void AudioEffect::setParameterClass (AEffect* effect, int32_t index, float value)
{
    if (effect != nullptr && effect->object != nullptr)
        static_cast<AudioEffect*> (effect->object)->setParameter (index, value);
}

void AudioEffect::__processClassDeprecated (AEffect* effect, float** inputs, float** outputs, int32_t frames)
{
    if (effect != nullptr && effect->object != nullptr)
        static_cast<AudioEffect*> (effect->object)->__processDeprecated (inputs, outputs, frames);
}

void AudioEffect::processClassReplacing (AEffect* effect, float** inputs, float** outputs, int32_t frames)
{
    if (effect != nullptr && effect->object != nullptr)
        static_cast<AudioEffect*> (effect->object)->processReplacing (inputs, outputs, frames);
}

void AudioEffect::processClassDoubleReplacing (AEffect* effect, double** inputs, double** outputs, int32_t frames)
{
    if (effect != nullptr && effect->object != nullptr)
        static_cast<AudioEffect*> (effect->object)->processDoubleReplacing (inputs, outputs, frames);
}

//==============================================================================
void AudioEffect::processDoubleReplacing (double**, double**, int32_t) {}
void AudioEffect::__processDeprecated (float**, float**, int32_t) {}

void AudioEffect::setParameter (int32_t, float) {}
float AudioEffect::getParameter (int32_t)    { return 0.0f; }

void AudioEffect::setParameterAutomated (int32_t index, float value)
{
    setParameter (index, value);
    callHost (HostOpcode::automate, index, 0, nullptr, value);
}

void AudioEffect::setProgramName (char*) {}
void AudioEffect::getProgramName (char* name)                       { clearText (name); }
void AudioEffect::getParameterLabel (int32_t, char* label)          { clearText (label); }
void AudioEffect::getParameterDisplay (int32_t, char* text)         { clearText (text); }
void AudioEffect::getParameterName (int32_t, char* text)            { clearText (text); }

int32_t AudioEffect::getChunk (void**, bool)                        { return 0; }
int32_t AudioEffect::setChunk (void*, int32_t, bool)                { return 0; }

//==============================================================================
int64_t AudioEffect::callHost (int32_t opcode, int32_t index, int64_t value, void* ptr, float opt)
{
    if (hostCallback == nullptr)
        return 0;

    return hostCallback (&aeffect, opcode, index, value, ptr, opt);
}

void AudioEffect::setFlag (int32_t bits, bool state) noexcept
{
    if (state)
        aeffect.flags |= bits;
    else
        aeffect.flags &= ~bits;
}

int32_t AudioEffect::getMasterVersion()
{
    const auto answer = (int32_t) callHost (HostOpcode::version);
    return answer != 0 ? answer : 1;
}

int32_t AudioEffect::getCurrentUniqueId()   { return (int32_t) callHost (HostOpcode::currentId); }
int32_t AudioEffect::masterIdle()           { return (int32_t) callHost (HostOpcode::idle); }

// The host answers 0 for a connected pin.
bool AudioEffect::__isInputConnectedDeprecated (int32_t pin)    { return callHost (HostOpcode::pinConnected, pin, 0) == 0; }
bool AudioEffect::__isOutputConnectedDeprecated (int32_t pin)   { return callHost (HostOpcode::pinConnected, pin, 1) == 0; }

//==============================================================================
void AudioEffect::dB2string (float value, char* text, int32_t maxLen)
{
    if (value <= 0.0f)
        VstText::copy (minusInfinityText, text, maxLen);
    else
        float2string ((float) (20.0 * std::log10 ((double) value)), text, maxLen);
}

void AudioEffect::Hz2string (float samples, char* text, int32_t maxLen)
{
    const auto rate = getSampleRate();
    float2string (samples != 0.0f ? rate / samples : 0.0f, text, maxLen);
}

void AudioEffect::ms2string (float samples, char* text, int32_t maxLen)
{
    float2string ((float) ((double) samples * 1000.0 / (double) getSampleRate()), text, maxLen);
}

void AudioEffect::float2string (float value, char* text, int32_t maxLen)
{
    const auto number = (double) value;

    // Not-a-number passes neither range test, so it is caught here as well.
    if (! std::isfinite (number) || number < lowestFloatText || number > highestFloatText)
    {
        VstText::copy (hugeText, text, maxLen);
        return;
    }

    const bool negative = number < 0.0;
    const auto magnitude = negative ? -number : number;
    const auto wholePart = std::floor (magnitude);

    // The integer part, collected from its point leftwards. Every digit is
    // kept: the range test admits at most 8 integer digits (7 when negative).
    char reversed[16];
    int used = 0;
    auto remaining = (int64_t) wholePart;

    reversed[used++] = '.';

    do
    {
        reversed[used++] = (char) ('0' + remaining % 10);
        remaining /= 10;
    }
    while (remaining >= 1);

    if (negative)
        reversed[used++] = '-';

    char integerText[16];

    for (int i = 0; i < used; ++i)
        integerText[i] = reversed[used - 1 - i];

    integerText[used] = 0;
    VstText::copy (integerText, text, maxLen);

    if (used >= floatTextBudget)
        return;

    // The fraction fills the rest of the budget, truncated rather than rounded.
    const int numFractionDigits = floatTextBudget - used;
    auto fraction = (int64_t) ((magnitude - wholePart) * std::pow (10.0, numFractionDigits));
    char fractionText[floatTextBudget + 1];

    for (int i = numFractionDigits; --i >= 0;)
    {
        fractionText[i] = fraction > 0 ? (char) ('0' + fraction % 10) : '0';
        fraction /= 10;
    }

    fractionText[numFractionDigits] = 0;
    VstText::append (fractionText, text, maxLen);
}

void AudioEffect::int2string (int32_t value, char* text, int32_t maxLen)
{
    if (value >= lowestHugeInteger)
    {
        VstText::copy (hugeText, text, maxLen);
        return;
    }

    char digits[16];
    int length = 0;

    if (value < 0)
        digits[length++] = '-';

    // Negative values may have ten digits, so the place values start at 10^9.
    auto magnitude = value < 0 ? -(int64_t) value : (int64_t) value;
    bool digitMet = false;

    for (int64_t place = 1000000000; place >= 1; place /= 10)
    {
        const auto digit = magnitude / place;
        magnitude %= place;
        digitMet = digitMet || digit != 0;

        if (digitMet)
            digits[length++] = (char) ('0' + digit);
    }

    if (! digitMet)
        digits[length++] = '0';

    digits[length] = 0;
    VstText::copy (digits, text, maxLen);
}

#pragma once

#include "ParameterTable.h"

#include <juce_core/juce_core.h>

#include <atomic>

/** One program: two complete settings, A and B, and which of them is active.

    The values are atomic because host threads write them through setParameter
    while the message thread reads them for the editor and the documents.
*/
struct ProgramSlots
{
    static constexpr int numSlots = 2;

    static bool isValidSlot (int slot) noexcept     { return (unsigned int) slot < (unsigned int) numSlots; }

    /** The active slot: 0 = A, 1 = B. */
    std::atomic<int> activeChannel { 0 };

    /** Per slot, the preset file last loaded or saved into it, relative to
        presetRootFolder(). Shared between threads: reach it through the
        processor's getPresetPath and setPresetPath.
    */
    juce::String presetPath[numSlots];

    /** Per slot, the nine normalised values by parameter index. */
    std::atomic<float> slotParams[numSlots][numParameters] {};
};

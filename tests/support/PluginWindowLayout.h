#pragma once

#include <juce_graphics/juce_graphics.h>

/** What the host-level window tests know of the plug-in's window: its size,
    where its controls lie, and how soon it shows a change made by the host.
*/
namespace PluginWindowLayout
{
    constexpr int width = 325;
    constexpr int height = 454;

    const juce::Rectangle<int> presetStrip { 67, 3, 192, 26 };
    const juce::Rectangle<int> abSwitch { 92, 35, 62, 23 };
    const juce::Rectangle<int> abCopyButton { 163, 30, 75, 25 };
    const juce::Rectangle<int> footswitch { 222, 354, 90, 99 };
    const juce::Rectangle<int> typeSwitch { 106, 137, 48, 80 };
    const juce::Rectangle<int> rateKnobs { 14, 126, 73, 72 };
    const juce::Rectangle<int> shapeKnob { 68, 225, 73, 72 };
    const juce::Rectangle<int> depthKnob { 180, 225, 73, 72 };
    const juce::Rectangle<int> levelKnob { 237, 126, 73, 72 };
    const juce::Rectangle<int> stereoButton { 263, 62, 54, 22 };
    const juce::Rectangle<int> syncButton { 7, 62, 54, 22 };

    /** A host change shows within a few of the editor's 50 ms poll ticks and opening takes
        longer, but a busy machine may take far longer for either: the tests wait until
        they see it, giving up only after this bound. */
    constexpr int windowTimeoutMs = 10000;
}

#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    The film strips of the main and upper panel. Each frame is drawn over the
    piece of the background it covers, so the opaque strips sit seamlessly on
    the face.
*/
namespace ControlArtwork
{
    using Box = juce::Rectangle<int>;

    /** A 101-step knob (or the 19-step synced-rate knob when synced). */
    juce::Image knob (const juce::Image& face, Box bounds, int frames, bool synced);

    /** The three-position wave switch: sine, square, triangle. */
    juce::Image typeSwitch (const juce::Image& face);

    /** The footswitch: off/up, off/pressed, on/up, on/pressed. */
    juce::Image footswitch (const juce::Image& face);

    /** A lettered push button: released, pressed. */
    juce::Image pushButton (const juce::Image& face, Box bounds, const juce::String& label);

    /** An arrow push button: released, pressed. */
    juce::Image arrowButton (const juce::Image& face, Box bounds, bool pointsLeft);

    /** A toggle with a lamp: off, on. */
    juce::Image lampToggle (const juce::Image& face, Box bounds, const juce::String& label);

    /** The A/B slot switch: A active, B active. */
    juce::Image slotSwitch (const juce::Image& face, Box bounds);
}

#pragma once

#include <juce_graphics/juce_graphics.h>

/** The drawing primitives that all images share, so every part looks alike. */
namespace ArtPainter
{
    using Area = juce::Rectangle<float>;

    enum class Wave { sine, square, triangle };

    /** Lettering with extra letter spacing (tracking, in ems). */
    void text (juce::Graphics& g, const juce::String& s, const juce::Font& font, juce::Colour colour,
               Area box, juce::Justification justification, float tracking = 0.0f);

    /** A sunken window with a soft inner shadow. */
    void recess (juce::Graphics& g, Area area, float cornerSize, juce::Colour fill);

    /** A round lamp, lit or dark, with its glow. */
    void led (juce::Graphics& g, juce::Point<float> centre, float radius, bool lit);

    /** A raised rounded button body; pressed moves it in and darkens it. */
    void buttonBody (juce::Graphics& g, Area area, bool pressed, float cornerSize = 4.0f);

    /** A cross-head screw. */
    void screw (juce::Graphics& g, juce::Point<float> centre, float radius);

    /** One period of a wave, stroked inside the area. */
    void wave (juce::Graphics& g, Area area, Wave type, juce::Colour colour, float thickness, float periods = 1.0f);

    /** A rotary knob over 270 degrees with its value arc; proportion is 0 to 1.
        With a note text the knob shows it on its cap and a dotted 19-step scale. */
    void knob (juce::Graphics& g, Area frame, double proportion, const juce::String& noteText = {});

    /** The angle, clockwise from twelve o'clock, of a knob at a proportion. */
    float knobAngle (double proportion);
}

#pragma once

#include "FilmStripImage.h"

/**
    A rotary knob drawn from a film-strip image.

    The strip holds numFrames equal frames stacked top to bottom; the knob draws
    the frame chosen by the ceiling of its proportion of the range, scaled to the
    component's bounds. Without an image it draws nothing but still takes input.
*/
class VardunKnob : public juce::Slider
{
public:
    explicit VardunKnob (const juce::String& componentName);

    /** Sets the strip and its frame count (at least 1); a null image disables drawing. */
    void setImage (juce::Image newImage, int frameCount);

    void paint (juce::Graphics& g) override;

private:
    FilmStripImage filmStrip;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunKnob)
};

#pragma once

#include "FilmStripImage.h"

/**
    A multi-position vertical switch drawn from a film-strip image.

    The value grows downwards: the top position is the minimum and shows frame 0.
    The whole range is covered by the top controllableImageHeight pixels of the
    drag travel; the strip's frame is drawn at its own size, not scaled.
*/
class VardunVerticalSwitch2 : public juce::Slider
{
public:
    explicit VardunVerticalSwitch2 (const juce::String& componentName);

    /** Sets the strip and its position count (at least 2); a valid image also sets
        the range to 0..1 with one step per position. */
    void setImage (juce::Image newImage, int frameCount);

    /** The pixel height of drag travel that spans the whole value range. */
    void setControllableImageHeight (int pixels);

    void paint (juce::Graphics& g) override;
    double proportionOfLengthToValue (double proportion) override;
    double valueToProportionOfLength (double value) override;

private:
    /** Component height over controllable height; 1 while either is unset. */
    double travelScale() const;

    FilmStripImage filmStrip;
    double controllableImageHeight = 1.0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunVerticalSwitch2)
};

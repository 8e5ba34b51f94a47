#pragma once

#include "FilmStripImage.h"

/**
    A toggle button drawn from a two-frame film strip: frame 0 off, frame 1 on.
*/
class Vardun2StateButton : public juce::Button
{
public:
    explicit Vardun2StateButton (const juce::String& componentName);

    /** Sets the two-frame strip; a null image disables drawing. */
    void setImage (juce::Image newImage);

    static constexpr int numFrames = 2;

protected:
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

private:
    FilmStripImage filmStrip;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Vardun2StateButton)
};

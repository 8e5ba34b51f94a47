#pragma once

#include "FilmStripImage.h"

/**
    A momentary button drawn from a two-frame film strip: frame 0 released,
    frame 1 pressed. Without an image it is an invisible hit area that still
    sends its clicks.
*/
class Vardun2StateKickButton : public juce::Button
{
public:
    explicit Vardun2StateKickButton (const juce::String& componentName);

    /** Sets the two-frame strip; a null image disables drawing. */
    void setImage (juce::Image newImage);

    static constexpr int numFrames = 2;

protected:
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

private:
    FilmStripImage filmStrip;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Vardun2StateKickButton)
};

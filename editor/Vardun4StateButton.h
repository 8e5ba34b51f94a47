#pragma once

#include "FilmStripImage.h"

/**
    A toggle button drawn from a four-frame film strip.

    Frames: off, off with the mouse over, on with the mouse over, on. A disabled
    button is drawn at 40 % opacity.
*/
class Vardun4StateButton : public juce::Button
{
public:
    explicit Vardun4StateButton (const juce::String& componentName);

    /** Sets the four-frame strip; a null image disables drawing. */
    void setImage (juce::Image newImage);

    /** The frame height, 0 without an image. */
    int getImageHeight() const noexcept;
    /** The image width, 0 without an image. */
    int getImageWidth() const noexcept;

    static constexpr int numFrames = 4;

protected:
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

    /** The frame to draw for the button's state. */
    virtual int frameFor (bool isMouseOver, bool isButtonDown) const;

private:
    FilmStripImage filmStrip;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Vardun4StateButton)
};

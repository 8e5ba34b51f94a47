#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    A film-strip image: equal frames, each as wide as the image, stacked top to
    bottom with frame 0 at the top.

    Holds a reference to the shared pixels (never a copy) and draws one frame at
    a time. A null image draws nothing.
*/
class FilmStripImage
{
public:
    /** Stores the image; a valid one sets the frame size from the frame count. */
    void setImage (juce::Image newImage, int frameCount);

    bool isValid() const noexcept           { return numFrames > 0; }
    int getNumFrames() const noexcept       { return numFrames; }
    int getFrameWidth() const noexcept      { return frameWidth; }
    int getFrameHeight() const noexcept     { return frameHeight; }

    /** The frame a slider shows: the ceiling of its proportion of the range, so
        only the exact minimum shows frame 0. */
    int frameForSlider (const juce::Slider& slider) const;

    /** Draws frame index into 0, 0, destWidth x destHeight, without alpha fill. */
    void drawFrame (juce::Graphics& g, int frameIndex, int destWidth, int destHeight) const;

private:
    juce::Image image;
    int numFrames = 0;
    int frameWidth = 0;
    int frameHeight = 0;
};

#include "FilmStripImage.h"

#include <cmath>

void FilmStripImage::setImage (juce::Image newImage, int frameCount)
{
    jassert (frameCount >= 1);
    image = newImage;

    if (image.isValid() && frameCount >= 1)
    {
        numFrames = frameCount;
        frameHeight = image.getHeight() / numFrames;
        frameWidth = image.getWidth();
    }
    else
    {
        numFrames = 0;   // frame sizes keep their old values
    }
}

int FilmStripImage::frameForSlider (const juce::Slider& slider) const
{
    const double minimum = slider.getMinimum();
    const double span = slider.getMaximum() - minimum;

    if (numFrames < 1 || ! (span > 0.0))
        return 0;

    const double proportion = (slider.getValue() - minimum) / span;
    const double index = std::ceil ((numFrames - 1) * proportion);

    // The slider keeps its value inside its range; the limits only make sure a
    // stray value can never read outside the strip.
    if (! (index > 0.0))
        return 0;

    return juce::jmin (numFrames - 1, (int) index);
}

void FilmStripImage::drawFrame (juce::Graphics& g, int frameIndex, int destWidth, int destHeight) const
{
    if (! isValid())
        return;

    g.drawImage (image,
                 0, 0, destWidth, destHeight,
                 0, frameIndex * frameHeight, frameWidth, frameHeight,
                 false);
}

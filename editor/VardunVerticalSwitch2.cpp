#include "VardunVerticalSwitch2.h"

VardunVerticalSwitch2::VardunVerticalSwitch2 (const juce::String& componentName)
    : juce::Slider (componentName)
{
    setSliderStyle (juce::Slider::LinearVertical);
    setRange (0.0, 1.0, 0.0);
}

void VardunVerticalSwitch2::setImage (juce::Image newImage, int frameCount)
{
    jassert (frameCount >= 2);

    // One step per position: a three-position strip snaps to 0, 0.5 and 1.
    if (newImage.isValid() && frameCount >= 2)
        setRange (0.0, 1.0, 1.0 / (frameCount - 1));

    filmStrip.setImage (newImage, frameCount);
    repaint();
}

void VardunVerticalSwitch2::setControllableImageHeight (int pixels)
{
    controllableImageHeight = (double) pixels;
}

void VardunVerticalSwitch2::paint (juce::Graphics& g)
{
    // Drawn at the strip's own frame size, whatever the bounds.
    filmStrip.drawFrame (g, filmStrip.frameForSlider (*this),
                         filmStrip.getFrameWidth(), filmStrip.getFrameHeight());
}

double VardunVerticalSwitch2::travelScale() const
{
    if (getHeight() <= 0 || ! (controllableImageHeight > 0.0))
        return 1.0;

    return getHeight() / controllableImageHeight;
}

double VardunVerticalSwitch2::proportionOfLengthToValue (double proportion)
{
    return juce::Slider::proportionOfLengthToValue (travelScale() * (1.0 - proportion));
}

double VardunVerticalSwitch2::valueToProportionOfLength (double value)
{
    return 1.0 - juce::Slider::valueToProportionOfLength (value) / travelScale();
}

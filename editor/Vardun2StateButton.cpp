#include "Vardun2StateButton.h"

Vardun2StateButton::Vardun2StateButton (const juce::String& componentName)
    : juce::Button (componentName)
{
    setClickingTogglesState (true);
}

void Vardun2StateButton::setImage (juce::Image newImage)
{
    filmStrip.setImage (newImage, numFrames);
    repaint();
}

void Vardun2StateButton::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    const bool lit = getClickingTogglesState() ? getToggleState() : isButtonDown;
    filmStrip.drawFrame (g, lit ? 1 : 0, getWidth(), getHeight());
}

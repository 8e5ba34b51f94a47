#include "Vardun2StateKickButton.h"

Vardun2StateKickButton::Vardun2StateKickButton (const juce::String& componentName)
    : juce::Button (componentName)
{
}

void Vardun2StateKickButton::setImage (juce::Image newImage)
{
    filmStrip.setImage (newImage, numFrames);
    repaint();
}

void Vardun2StateKickButton::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    filmStrip.drawFrame (g, isButtonDown ? 1 : 0, getWidth(), getHeight());
}

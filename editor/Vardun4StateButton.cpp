#include "Vardun4StateButton.h"

namespace
{
    constexpr float enabledOpacity = 1.0f;
    constexpr float disabledOpacity = 0.4f;
}

Vardun4StateButton::Vardun4StateButton (const juce::String& componentName)
    : juce::Button (componentName)
{
    setClickingTogglesState (true);
}

void Vardun4StateButton::setImage (juce::Image newImage)
{
    filmStrip.setImage (newImage, numFrames);
    repaint();
}

int Vardun4StateButton::getImageHeight() const noexcept
{
    return filmStrip.isValid() ? filmStrip.getFrameHeight() : 0;
}

int Vardun4StateButton::getImageWidth() const noexcept
{
    return filmStrip.isValid() ? filmStrip.getFrameWidth() : 0;
}

int Vardun4StateButton::frameFor (bool isMouseOver, bool isButtonDown) const
{
    if (getClickingTogglesState())
    {
        if (getToggleState())
            return isMouseOver ? 2 : 3;

        return isMouseOver ? 1 : 0;
    }

    if (isButtonDown)
        return 2;

    return isMouseOver ? 1 : 0;
}

void Vardun4StateButton::paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    if (! filmStrip.isValid())
        return;

    g.setOpacity (isEnabled() ? enabledOpacity : disabledOpacity);
    filmStrip.drawFrame (g, frameFor (isMouseOver, isButtonDown), getWidth(), getHeight());
}

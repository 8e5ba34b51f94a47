#include "VardunKnob.h"

VardunKnob::VardunKnob (const juce::String& componentName)
    : juce::Slider (componentName)
{
    setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
    setRange (0.0, 1.0, 0.0);
    setSliderStyle (juce::Slider::RotaryVerticalDrag);
}

void VardunKnob::setImage (juce::Image newImage, int frameCount)
{
    filmStrip.setImage (newImage, frameCount);
    repaint();
}

void VardunKnob::paint (juce::Graphics& g)
{
    // The frame is stretched to the knob's bounds.
    filmStrip.drawFrame (g, filmStrip.frameForSlider (*this), getWidth(), getHeight());
}

#pragma once

#include "Vardun4StateButton.h"

/**
    The on/off footswitch: a four-state button whose frames are off/up,
    off/pressed, on/up and on/pressed. The mouse-over state is not shown.
*/
class Vardun4StateButton3PDT : public Vardun4StateButton
{
public:
    explicit Vardun4StateButton3PDT (const juce::String& componentName);

protected:
    int frameFor (bool isMouseOver, bool isButtonDown) const override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Vardun4StateButton3PDT)
};

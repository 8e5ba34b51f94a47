#include "Vardun4StateButton3PDT.h"

Vardun4StateButton3PDT::Vardun4StateButton3PDT (const juce::String& componentName)
    : Vardun4StateButton (componentName)
{
}

int Vardun4StateButton3PDT::frameFor (bool, bool isButtonDown) const
{
    if (! getClickingTogglesState())
        return 0;

    return (getToggleState() ? 2 : 0) + (isButtonDown ? 1 : 0);
}

#pragma once

#include "ParentModalRule.h"

/**
    The about screen: the about picture with the plug-in's version printed on
    it, shown modally over the editor and closed by a press of any mouse
    button. It starts hidden; the version text stays until the next setVersion.

    The picture is drawn scaled to the screen's bounds; the version label keeps
    its fixed place. The screen never touches its parent's modal state (the
    editor is never modal).
*/
class VardunSplashScreen : public juce::Component
{
public:
    explicit VardunSplashScreen (const juce::String& componentName);

    void mouseDown (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;

    virtual void show();
    virtual void hide();

    void setVersion (const juce::String& text);

private:
    juce::Image image;
    juce::Label versionLabel_ { "versionLabel_", {} };
    ParentModalRule modalRule;   // its flag stays clear

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunSplashScreen)
};

#include "VardunSplashScreen.h"
#include "DialogArt.h"

#include <LumiverPX2741BinImg.h>

VardunSplashScreen::VardunSplashScreen (const juce::String& componentName)
    : juce::Component (componentName),
      image (DialogArt::decode (LumiverPX2741BinImg::about_px_png, LumiverPX2741BinImg::about_px_pngSize))
{
    setSize (image.getWidth(), image.getHeight());

    addAndMakeVisible (versionLabel_);
    versionLabel_.setBounds (150, 112, 100, 16);
    versionLabel_.setJustificationType (juce::Justification::bottomLeft);
    versionLabel_.setColour (juce::Label::textColourId, DialogArt::textColour);
    versionLabel_.setInterceptsMouseClicks (false, false);   // a press on the text closes the screen too

    setVisible (false);
}

void VardunSplashScreen::mouseDown (const juce::MouseEvent&)
{
    hide();
}

void VardunSplashScreen::paint (juce::Graphics& g)
{
    g.drawImage (image, 0, 0, proportionOfWidth (1.0f), proportionOfHeight (1.0f),
                 0, 0, image.getWidth(), image.getHeight());
}

void VardunSplashScreen::show()
{
    modalRule.enter (*this);
    setVisible (true);
}

void VardunSplashScreen::hide()
{
    modalRule.leave (*this);
    setVisible (false);
}

void VardunSplashScreen::setVersion (const juce::String& text)
{
    versionLabel_.setText (text, juce::dontSendNotification);
}

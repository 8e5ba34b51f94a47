#include "VardunAlertComponent.h"

namespace
{
    constexpr int iconTop = 12;
}

VardunAlertComponent::VardunAlertComponent (const juce::String& componentName, juce::int32 iconTypeToShow,
                                            juce::int32 okType, juce::int32 cancelType)
    : juce::Component (componentName),
      background (DialogArt::messagePanelBackground()),
      icon (DialogArt::alertIcon (iconTypeToShow)),
      iconType (iconTypeToShow),
      okImageType (okType),
      cancelImageType (cancelType)
{
    setSize (background.getWidth(), background.getHeight());

    addAndMakeVisible (titleText_);
    titleText_.setJustificationType (juce::Justification::centred);
    titleText_.setColour (juce::Label::textColourId, DialogArt::textColour);

    addAndMakeVisible (okButton);
    okButton.setImage (loadButtonImage (okImageType));
    okButton.addListener (this);

    addAndMakeVisible (cancelButton);
    cancelButton.setImage (loadButtonImage (cancelImageType));
    cancelButton.addListener (this);
}

void VardunAlertComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (background, 0, 0);
    g.drawImageAt (icon, proportionOfWidth (0.5f) - icon.getWidth() / 2, iconTop);
}

void VardunAlertComponent::buttonClicked (juce::Button* button)
{
    if (button == &okButton)
        okButtonClicked();
    else if (button == &cancelButton)
        cancelButtonClicked();
}

void VardunAlertComponent::setTitle (const juce::String& text)
{
    titleText_.setText (text, juce::dontSendNotification);
}

void VardunAlertComponent::show (juce::int32 buttonCount, juce::int32 iconTypeToShow)
{
    if (buttonCount != 1 && buttonCount != 2)
        return;

    parentModal.enter (*this);

    if (iconTypeToShow != iconType)
    {
        iconType = iconTypeToShow;
        icon = DialogArt::alertIcon (iconType);
        repaint();
    }

    titleText_.setBoundsRelative (0.1f, 0.3f, 0.8f, 0.4f);

    if (buttonCount == 2)
    {
        okButton.setBounds (DialogArt::okBesideCancel);
        cancelButton.setBounds (DialogArt::cancelBesideOk);
        cancelButton.setVisible (true);
    }
    else
    {
        okButton.setBounds (DialogArt::okAlone);
        cancelButton.setVisible (false);
    }

    setVisible (true);
}

void VardunAlertComponent::hide()
{
    parentModal.leave (*this);
    setVisible (false);
}

void VardunAlertComponent::okButtonClicked()
{
    hide();
}

void VardunAlertComponent::cancelButtonClicked()
{
    hide();
}

void VardunAlertComponent::needChangeParentModal (bool shouldChange)
{
    parentModal.setChangesParent (shouldChange);
}

void VardunAlertComponent::addTo (juce::Component& panel)
{
    panel.addChildComponent (*this);
    setBounds (panel.getLocalBounds());
    needChangeParentModal (true);
}

juce::Image VardunAlertComponent::loadButtonImage (juce::int32 type)
{
    return DialogArt::buttonImage (type);
}

#pragma once

#include "DialogArt.h"
#include "ParentModalRule.h"
#include "Vardun2StateKickButton.h"

/**
    The plug-in's own modal message box, drawn from the dialog artwork: the
    background, an icon 12 px from the top, a centred message and the OK and
    CANCEL image buttons. It covers the whole window when shown; its owner adds
    it hidden with the bounds 0, 0, 325, 454 (a panel that opens it inside
    itself through addTo).

    show (1, icon) offers OK alone, show (2, icon) OK and CANCEL; any other
    button count changes nothing. Both buttons just hide the box here; a box
    that asks a question derives from it and acts in okButtonClicked. Showing
    and hiding follow the parent-modal rule (ParentModalRule).

    Icon types: 3 smile, 4 frown, anything else the asterisk. Button-image
    types: 3 and 4 CANCEL, 5 SAVE, 7 IMPORT, 8 NEW FOLDER, 9 DOWNLOAD,
    10 OVERWRITE, anything else OK.
*/
class VardunAlertComponent : public juce::Component,
                             public juce::Button::Listener
{
public:
    VardunAlertComponent (const juce::String& componentName, juce::int32 iconType,
                          juce::int32 okImageType, juce::int32 cancelImageType);

    void paint (juce::Graphics& g) override;
    void buttonClicked (juce::Button* button) override;

    /** Sets the message (line feeds allowed); it stays until the next call. Hides the
        component's accessibility title of the same name. */
    virtual void setTitle (const juce::String& text);

    /** Lays the box out for one or two buttons with the given icon and shows it modally. */
    virtual void show (juce::int32 buttonCount, juce::int32 iconType);
    virtual void hide();

    virtual void okButtonClicked();
    virtual void cancelButtonClicked();

    /** Set by a panel that opens this box inside itself: the box then takes the
        modal state from it while shown. */
    virtual void needChangeParentModal (bool shouldChange);

    /** Adds the box hidden to a panel that opens it inside itself, covering
        that panel, and sets the parent-modal flag. */
    void addTo (juce::Component& panel);

    /** Decodes the button image of a button-image type. */
    juce::Image loadButtonImage (juce::int32 type);

private:
    juce::Image background;
    juce::Image icon;
    ParentModalRule parentModal;
    juce::int32 iconType;
    juce::int32 okImageType;
    juce::int32 cancelImageType;
    juce::Label titleText_ { "titleText_", {} };
    Vardun2StateKickButton okButton { "OK" };
    Vardun2StateKickButton cancelButton { "CANCEL" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunAlertComponent)
};

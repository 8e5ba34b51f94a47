#pragma once

#include "VardunAlertComponent.h"

/**
    The modal panel that makes a new folder in the folder a file browser shows:
    a prompt, a one-line name field, OK and CANCEL.

    OK creates the folder under the name with the characters that file names
    may not hold removed, refreshes the browser's list and closes the panel. A
    name that is taken (by a file or a folder) or a folder that cannot be made
    is reported in the panel's own alert, and the panel stays open with the
    typed name. OK is enabled only while the field holds text, as a 200 ms poll
    finds it; Return in the field clicks OK, Escape clicks CANCEL.

    Opened by a browser panel that sets its parent-modal flag: the panel takes
    the modal state from the browser while shown, and its alert takes it from
    the panel in turn (ParentModalRule).
*/
class VardunNewFolderComponent : public juce::Component,
                                 public juce::Button::Listener,
                                 public juce::TextEditor::Listener,
                                 public juce::Timer
{
public:
    /** The browser is not owned and must outlive the panel. */
    VardunNewFolderComponent (const juce::String& componentName, juce::FileBrowserComponent* browser,
                              const juce::String& message);

    void paint (juce::Graphics& g) override;
    void buttonClicked (juce::Button* button) override;
    void timerCallback() override;

    virtual void needChangeParentModal (bool shouldChange);

    /** Empties the name field and shows the panel modally; the poll starts. */
    virtual void show();
    virtual void hide();

    void textEditorReturnKeyPressed (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override;

private:
    void createFolder();
    void showError (const juce::String& message);

    juce::Image background;
    ParentModalRule parentModal;
    juce::Label titleText_;
    juce::TextEditor textEditor_ { "textEditor_" };
    Vardun2StateKickButton okButton { "OK" };
    Vardun2StateKickButton cancelButton { "CANCEL" };
    VardunAlertComponent alertComponent_ { "alertComponent_", DialogArt::asteriskIcon,
                                           DialogArt::okButtonImage, DialogArt::cancelButtonImage };
    juce::FileBrowserComponent* fileBrowser;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunNewFolderComponent)
};

#include "VardunNewFolderComponent.h"
#include "PresetLibrary.h"

namespace
{
    const juce::Rectangle<int> nameFieldBounds { 23, 229, 280, 24 };
}

VardunNewFolderComponent::VardunNewFolderComponent (const juce::String& componentName, juce::FileBrowserComponent* browser,
                                                    const juce::String& message)
    : juce::Component (componentName),
      background (DialogArt::messagePanelBackground()),
      titleText_ ("titleText_", message),
      fileBrowser (browser)
{
    setSize (background.getWidth(), background.getHeight());

    addAndMakeVisible (titleText_);
    titleText_.setJustificationType (juce::Justification::centred);
    titleText_.setColour (juce::Label::textColourId, DialogArt::textColour);
    titleText_.setBoundsRelative (0.0f, 0.3f, 1.0f, 0.3f);

    addAndMakeVisible (textEditor_);
    textEditor_.setBounds (nameFieldBounds);
    textEditor_.addListener (this);

    addAndMakeVisible (okButton);
    okButton.setImage (DialogArt::buttonImage (DialogArt::okButtonImage));
    okButton.setBounds (DialogArt::okBesideCancel);
    okButton.addListener (this);

    addAndMakeVisible (cancelButton);
    cancelButton.setImage (DialogArt::buttonImage (DialogArt::cancelButtonImage));
    cancelButton.setBounds (DialogArt::cancelBesideOk);
    cancelButton.addListener (this);

    alertComponent_.addTo (*this);
}

void VardunNewFolderComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (background, 0, 0);
}

void VardunNewFolderComponent::buttonClicked (juce::Button* button)
{
    if (button == &okButton)
        createFolder();
    else if (button == &cancelButton)
        hide();
}

void VardunNewFolderComponent::timerCallback()
{
    // Not trimmed: a name of blanks is still a name.
    DialogArt::setUsable (okButton, textEditor_.getText().isNotEmpty());
}

void VardunNewFolderComponent::needChangeParentModal (bool shouldChange)
{
    parentModal.setChangesParent (shouldChange);
}

void VardunNewFolderComponent::show()
{
    textEditor_.clear();
    parentModal.enter (*this);
    setVisible (true);
    timerCallback();
    startTimer (DialogArt::usablePollIntervalMs);
}

void VardunNewFolderComponent::hide()
{
    parentModal.leave (*this);
    setVisible (false);
    stopTimer();
}

void VardunNewFolderComponent::textEditorReturnKeyPressed (juce::TextEditor&)
{
    okButton.triggerClick();   // delivered later, and only while OK is enabled
}

void VardunNewFolderComponent::textEditorEscapeKeyPressed (juce::TextEditor&)
{
    cancelButton.triggerClick();
}

void VardunNewFolderComponent::createFolder()
{
    const auto name = juce::File::createLegalFileName (textEditor_.getText());

    if (name.isEmpty() || fileBrowser == nullptr)
        return;

    // Not through getChildFile, which would read a leading '~' as a home
    // folder: the new folder always lands in the folder shown.
    const auto target = PresetLibrary::getChildNamed (fileBrowser->getRoot(), name);

    if (target.exists())
        showError ("The folder name already exist! Try different name.");
    else if (target.createDirectory().failed())
        showError ("Couldn't create the folder! Try different name.");
    else
    {
        fileBrowser->refresh();
        hide();
    }
}

void VardunNewFolderComponent::showError (const juce::String& message)
{
    alertComponent_.setTitle (message);
    alertComponent_.show (1, DialogArt::asteriskIcon);
}

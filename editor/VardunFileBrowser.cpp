#include "VardunFileBrowser.h"

namespace
{
    using Flags = juce::FileBrowserComponent::FileChooserFlags;

    const juce::Rectangle<int> browserBounds     { 12, 59, 300, 275 };
    const juce::Rectangle<int> okBounds          { 179, 336, 132, 51 };
    const juce::Rectangle<int> cancelBounds      { 179, 386, 132, 51 };
    const juce::Rectangle<int> newFolderBounds   { 16, 336, 132, 51 };

    /** The framework browser's flags of a browser type; 0 for a type that builds nothing. */
    int flagsOf (juce::int32 browserType)
    {
        switch (browserType)
        {
            case 1:  return Flags::openMode | Flags::canSelectFiles;
            case 2:  return Flags::openMode | Flags::canSelectFiles | Flags::canSelectMultipleItems;
            case 3:  return Flags::openMode | Flags::canSelectFiles | Flags::canSelectDirectories | Flags::canSelectMultipleItems;
            case 4:  return Flags::openMode | Flags::canSelectDirectories;
            case VardunFileBrowser::saveBrowserType:
                     return Flags::saveMode | Flags::canSelectFiles | Flags::warnAboutOverwriting;
            default: return 0;
        }
    }
}

VardunFileBrowser::VardunFileBrowser (const juce::String& componentName, const juce::File& root, const juce::String& pattern,
                                      juce::int32 type, juce::int32 titleType, juce::int32 okType,
                                      juce::int32 cancelType, juce::int32 newFolderType)
    : juce::Component (componentName),
      filePattern (pattern.containsNonWhitespaceChars() ? pattern : "*"),
      rootFolder (root),
      browserType (type),
      titleArtType (titleType),
      okImageType (okType),
      cancelImageType (cancelType),
      newFolderImageType (newFolderType)
{
    if (const auto flags = flagsOf (browserType); flags != 0)
        createBrowser (flags);
}

VardunFileBrowser::~VardunFileBrowser() = default;

void VardunFileBrowser::createBrowser (int flags)
{
    // Built again, the dialog and the list go before the filter they use.
    newFolderComponent_.reset();
    newFolderButton.reset();
    browserComponent.reset();

    fileFilter = std::make_unique<juce::WildcardFileFilter> ((flags & Flags::canSelectFiles) != 0 ? filePattern : juce::String(),
                                                             (flags & Flags::canSelectDirectories) != 0 ? "*" : "",
                                                             juce::String());
    background = DialogArt::browserPanelBackground();
    setSize (background.getWidth(), background.getHeight());
    titleImage = DialogArt::browserTitle (titleArtType);

    browserComponent = std::make_unique<juce::FileBrowserComponent> (flags, rootFolder, fileFilter.get(), nullptr);
    addAndMakeVisible (*browserComponent);
    browserComponent->setBounds (browserBounds);
    browserComponent->addListener (this);
    browserComponent->setColour (juce::Label::textColourId, DialogArt::textColour);

    okButton = makeButton ("OK", okImageType, okBounds);
    cancelButton = makeButton ("CANCEL", cancelImageType, cancelBounds);

    if ((flags & Flags::saveMode) == 0)
        return;

    newFolderButton = makeButton ("New Folder", newFolderImageType, newFolderBounds);
    newFolderComponent_ = std::make_unique<VardunNewFolderComponent> ("newFolderComponent_", browserComponent.get(),
                                                                      "Please enter the name of the new folder:");
    addChildComponent (*newFolderComponent_);
    newFolderComponent_->needChangeParentModal (true);
}

std::unique_ptr<Vardun2StateKickButton> VardunFileBrowser::makeButton (const juce::String& name, juce::int32 imageType,
                                                                       juce::Rectangle<int> bounds)
{
    auto button = std::make_unique<Vardun2StateKickButton> (name);
    addAndMakeVisible (*button);
    button->setImage (loadButtonImage (imageType));
    button->setBounds (bounds);
    button->addListener (this);
    return button;
}

void VardunFileBrowser::paint (juce::Graphics& g)
{
    g.drawImageAt (background, 0, 0);
    g.drawImageAt (titleImage, 0, 0);
}

void VardunFileBrowser::show()
{
    if (browserComponent == nullptr)
        return;   // a panel that built nothing would have no way to be closed

    parentModal.enter (*this);

    // The editor may be built before the root folder exists: the browser then
    // starts beside it, so the first show goes into the root once it is there.
    if (! shownBefore && rootFolder.isDirectory())
        browserComponent->setRoot (rootFolder);

    shownBefore = true;
    browserComponent->refresh();
    browserComponent->setFileName ({});

    if (newFolderComponent_ != nullptr)
        newFolderComponent_->setBounds (getLocalBounds());

    setVisible (true);
    timerCallback();
    startTimer (DialogArt::usablePollIntervalMs);
}

void VardunFileBrowser::hide()
{
    parentModal.leave (*this);
    setVisible (false);
    stopTimer();
}

void VardunFileBrowser::timerCallback()
{
    if (browserComponent == nullptr)
        return;

    if (browserType == 1)
        DialogArt::setUsable (*okButton, browserComponent->getSelectedFile (0).existsAsFile());
    else if (browserType == saveBrowserType)
        DialogArt::setUsable (*okButton, browserComponent->currentFileIsValid());
}

void VardunFileBrowser::buttonClicked (juce::Button* button)
{
    if (button == okButton.get())
        okButtonClicked();
    else if (button == cancelButton.get())
        cancelButtonClicked();
    else if (button == newFolderButton.get())
        createNewFolder();
}

void VardunFileBrowser::okButtonClicked()
{
    hide();
}

void VardunFileBrowser::cancelButtonClicked()
{
    hide();
}

void VardunFileBrowser::createNewFolder()
{
    if (newFolderComponent_ != nullptr && browserComponent->getRoot().isDirectory())
        newFolderComponent_->show();
}

void VardunFileBrowser::needChangeParentModal (bool shouldChange)
{
    parentModal.setChangesParent (shouldChange);
}

juce::Image VardunFileBrowser::loadButtonImage (juce::int32 type)
{
    return DialogArt::buttonImage (type);
}

void VardunFileBrowser::selectionChanged() {}
void VardunFileBrowser::fileClicked (const juce::File&, const juce::MouseEvent&) {}
void VardunFileBrowser::browserRootChanged (const juce::File&) {}

void VardunFileBrowser::fileDoubleClicked (const juce::File&)
{
    // The click of a double-click has just chosen the file: decide on OK for
    // it now rather than at the next poll, then click OK (delivered later,
    // and only while OK is enabled).
    timerCallback();
    okButton->triggerClick();
}

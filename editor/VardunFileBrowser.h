#pragma once

#include "VardunNewFolderComponent.h"

#include <memory>

/**
    A modal panel of the editor's size around the framework's file browser,
    drawn from the dialog artwork: background, title, the browser list with its
    path and file-name boxes, and the image buttons OK, CANCEL and, in save
    mode, New Folder with its new-folder dialog.

    Browser types choose the framework browser's flags:
      1 open one file (OK while the typed file exists as a file),
      2 open several files, 3 open files and folders, 4 open a folder (OK as built),
      5 save a file (OK while the framework finds the name valid), with New Folder.
    Any other type builds no child at all; such a panel never shows, and its
    timer and hide touch nothing missing.

    Each show rescans the folder and empties the file-name box; the first show
    starts in the root folder (if it exists by then), later ones in the folder
    the user last went to. While shown, a 200 ms poll decides whether OK may be
    used; a double-click on a file acts as OK, under the same decision. OK and
    CANCEL just hide the panel here; the save-preset browser derives from it and
    saves on OK. Showing and hiding follow the parent-modal rule (ParentModalRule).
*/
class VardunFileBrowser : public juce::Component,
                          public juce::Button::Listener,
                          public juce::Timer,
                          private juce::FileBrowserListener
{
public:
    static constexpr juce::int32 saveBrowserType = 5;

    VardunFileBrowser (const juce::String& componentName, const juce::File& rootFolder, const juce::String& filePattern,
                       juce::int32 browserType, juce::int32 titleArtType, juce::int32 okImageType,
                       juce::int32 cancelImageType, juce::int32 newFolderImageType);
    ~VardunFileBrowser() override;

    void paint (juce::Graphics& g) override;
    void timerCallback() override;
    void buttonClicked (juce::Button* button) override;

    virtual void show();
    virtual void hide();

    /** Builds the filter, the browser list and the buttons for the framework browser's flags. */
    virtual void createBrowser (int flags);

    virtual void okButtonClicked();
    virtual void cancelButtonClicked();

    /** Opens the new-folder dialog on the folder shown, if that folder exists. */
    virtual void createNewFolder();

    virtual void needChangeParentModal (bool shouldChange);

    /** Decodes the button image of a button-image type. */
    juce::Image loadButtonImage (juce::int32 type);

protected:
    juce::int32 getBrowserType() const noexcept   { return browserType; }

    // Null for a browser type that built nothing; New Folder only in save mode.
    juce::FileBrowserComponent* getBrowserComponent() const noexcept   { return browserComponent.get(); }
    juce::Button* getOkButton() const noexcept                        { return okButton.get(); }
    juce::Button* getNewFolderButton() const noexcept                 { return newFolderButton.get(); }

private:
    void selectionChanged() override;
    void fileClicked (const juce::File&, const juce::MouseEvent&) override;
    void fileDoubleClicked (const juce::File&) override;
    void browserRootChanged (const juce::File&) override;

    std::unique_ptr<Vardun2StateKickButton> makeButton (const juce::String& name, juce::int32 imageType,
                                                        juce::Rectangle<int> bounds);

    juce::String filePattern;
    juce::File rootFolder;
    juce::int32 browserType;
    juce::int32 titleArtType;
    juce::int32 okImageType;
    juce::int32 cancelImageType;
    juce::int32 newFolderImageType;
    ParentModalRule parentModal;
    bool shownBefore = false;
    juce::Image background;
    juce::Image titleImage;

    // Declared so that the browser list goes before the filter it reads, and
    // the dialog (which points to the list) before the list.
    std::unique_ptr<juce::WildcardFileFilter> fileFilter;
    std::unique_ptr<juce::FileBrowserComponent> browserComponent;
    std::unique_ptr<Vardun2StateKickButton> okButton;
    std::unique_ptr<Vardun2StateKickButton> cancelButton;
    std::unique_ptr<Vardun2StateKickButton> newFolderButton;
    std::unique_ptr<VardunNewFolderComponent> newFolderComponent_;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunFileBrowser)
};

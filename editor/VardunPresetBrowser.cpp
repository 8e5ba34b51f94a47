#include "VardunPresetBrowser.h"

#include "LumiverPX2741AudioProcessor.h"
#include "PresetLibrary.h"
#include "VardunPresetMenu.h"

VardunPresetBrowser::VardunPresetBrowser (const juce::String& componentName, const juce::File& root, const juce::String& pattern,
                                          juce::int32 type, juce::int32 titleType, juce::int32 okType,
                                          juce::int32 cancelType, juce::int32 newFolderType,
                                          LumiverPX2741AudioProcessor* processorToSave, VardunPresetMenu* menu)
    : VardunFileBrowser (componentName, root, pattern, type, titleType, okType, cancelType, newFolderType),
      presetMenu (menu),
      processor (processorToSave),
      overwriteComponent_ ("overwriteComponent_", processorToSave, menu)
{
    overwriteComponent_.addTo (*this);
    alertComponent_.addTo (*this);
}

juce::String VardunPresetBrowser::getTypedName() const
{
    // The file-name box is the framework browser's one text editor of its own.
    for (auto* child : getBrowserComponent()->getChildren())
        if (auto* fileNameBox = dynamic_cast<juce::TextEditor*> (child))
            return fileNameBox->getText();

    return {};
}

juce::File VardunPresetBrowser::getChosenFile() const
{
    const auto* browser = getBrowserComponent();
    return browser != nullptr ? PresetLibrary().getFileForTypedName (browser->getRoot(), getTypedName()) : juce::File();
}

bool VardunPresetBrowser::choiceIsInTree() const
{
    const auto* browser = getBrowserComponent();

    return browser != nullptr
        && PresetLibrary().isInTree (browser->getRoot())
        && (getTypedName().isEmpty() || getChosenFile() != juce::File());
}

void VardunPresetBrowser::timerCallback()
{
    if (getBrowserType() != saveBrowserType)
        return;

    const bool inTree = choiceIsInTree();
    DialogArt::setUsable (*getNewFolderButton(), inTree);
    DialogArt::setUsable (*getOkButton(), inTree && getBrowserComponent()->currentFileIsValid());
}

void VardunPresetBrowser::okButtonClicked()
{
    if (getBrowserType() != saveBrowserType)
        return;

    savePreset();

    if (processor != nullptr)
        processor->updateHostDisplay();
}

void VardunPresetBrowser::createNewFolder()
{
    if (choiceIsInTree())
        VardunFileBrowser::createNewFolder();
}

void VardunPresetBrowser::savePreset()
{
    const auto file = getChosenFile();

    if (presetMenu == nullptr || processor == nullptr || file == juce::File())
        return;   // no name typed, or one that may not be saved

    if (file.exists())
    {
        overwriteComponent_.setBounds (getLocalBounds());
        overwriteComponent_.askToOverwrite (file);
        return;
    }

    if (! VardunOverwriteComponent::savePresetFile (*processor, *presetMenu, file, alertComponent_))
        return;

    getBrowserComponent()->refresh();
    hide();
}

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

bool VardunPresetBrowser::choiceIsInTree() const
{
    const auto* browser = getBrowserComponent();
    const PresetLibrary library;

    return browser != nullptr
        && library.isInTree (browser->getRoot())
        && library.isInTree (browser->getSelectedFile (0));
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
    if (presetMenu == nullptr || processor == nullptr || ! choiceIsInTree())
        return;

    auto* browser = getBrowserComponent();
    auto file = browser->getSelectedFile (0);

    if (file == browser->getRoot())
        return;   // no name typed

    if (! file.getFileName().endsWith (presetFileExtension))
        file = PresetLibrary::getChildNamed (file.getParentDirectory(), file.getFileName() + presetFileExtension);

    if (file.exists())
    {
        overwriteComponent_.setBounds (getLocalBounds());
        overwriteComponent_.askToOverwrite (file);
        return;
    }

    if (! VardunOverwriteComponent::savePresetFile (*processor, *presetMenu, file, alertComponent_))
        return;

    browser->refresh();
    hide();
}

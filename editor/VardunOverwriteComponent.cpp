#include "VardunOverwriteComponent.h"

#include "LumiverPX2741AudioProcessor.h"
#include "PresetFolderPath.h"
#include "VardunPresetMenu.h"

namespace
{
    /** A preset file as the user knows it: its path in the preset tree, or the full path of one outside it. */
    juce::String describe (const juce::File& presetFile)
    {
        const auto relativePath = PresetFolderPath::getRelativePath (presetRootFolder(), presetFile);
        return "\"" + (relativePath.isNotEmpty() ? relativePath : presetFile.getFullPathName()) + "\"";
    }
}

VardunOverwriteComponent::VardunOverwriteComponent (const juce::String& componentName,
                                                    LumiverPX2741AudioProcessor* processorToSave,
                                                    VardunPresetMenu* menu)
    : VardunAlertComponent (componentName, DialogArt::asteriskIcon, DialogArt::okButtonImage, DialogArt::cancelButtonImage),
      processor (processorToSave),
      presetMenu (menu)
{
    setTitle ({});

    alertComponent_.addTo (*this);
}

void VardunOverwriteComponent::okButtonClicked()
{
    overwriteTarget();
}

void VardunOverwriteComponent::cancelButtonClicked()
{
    hide();
}

bool VardunOverwriteComponent::overwriteTarget()
{
    if (processor == nullptr || presetMenu == nullptr)
    {
        hide();
        return false;
    }

    if (! savePresetFile (*processor, *presetMenu, targetFile, alertComponent_))
        return false;

    processor->updateHostDisplay();
    hide();
    return true;
}

void VardunOverwriteComponent::askToOverwrite (const juce::File& presetFile)
{
    targetFile = presetFile;
    setTitle ("Are you sure you want to overwrite this preset?\n\n" + describe (presetFile));
    show (2, DialogArt::asteriskIcon);
}

bool VardunOverwriteComponent::savePresetFile (LumiverPX2741AudioProcessor& processorToSave, VardunPresetMenu& menu,
                                               const juce::File& presetFile, VardunAlertComponent& failureAlert)
{
    if (! menu.writePreset (&processorToSave, presetFile.getFullPathName()))
    {
        failureAlert.setTitle ("Couldn't save the preset!\n\n" + describe (presetFile));
        failureAlert.show (1, DialogArt::frownIcon);
        return false;
    }

    processorToSave.setActivePresetPath (PresetFolderPath::getRelativePath (presetRootFolder(), presetFile));
    return true;
}

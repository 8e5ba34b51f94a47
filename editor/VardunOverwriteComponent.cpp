#include "VardunOverwriteComponent.h"

#include "LumiverPX2741AudioProcessor.h"
#include "PresetLibrary.h"
#include "VardunPresetMenu.h"

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
    setTitle ("Are you sure you want to overwrite this preset?\n\n" + PresetLibrary().describe (presetFile));
    show (2, DialogArt::asteriskIcon);
}

bool VardunOverwriteComponent::savePresetFile (LumiverPX2741AudioProcessor& processorToSave, VardunPresetMenu& menu,
                                               const juce::File& presetFile, VardunAlertComponent& failureAlert)
{
    const auto saved = menu.writePreset (&processorToSave, presetFile.getFullPathName());

    if (saved.failed())
    {
        failureAlert.setTitle (saved.getErrorMessage());
        failureAlert.show (1, DialogArt::frownIcon);
        return false;
    }

    processorToSave.setActivePresetPath (menu.getSelectedFilePath());
    return true;
}

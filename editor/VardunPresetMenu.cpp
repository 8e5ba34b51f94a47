#include "VardunPresetMenu.h"

#include "LumiverPX2741AudioProcessor.h"
#include "PresetLibrary.h"

VardunPresetMenu::VardunPresetMenu (const juce::String& componentName)
    : VardunOptionMenuTree (componentName)
{
}

void VardunPresetMenu::setSelectedFilePath (const juce::String& path)
{
    const bool found = selectFilePath (path);

    if (! found)
        setText (getText() + editedMark, juce::dontSendNotification);

    markedAsChange = ! found;
}

void VardunPresetMenu::setSelectedFileIndex (int itemId)
{
    if (selectFileIndex (itemId))
        markedAsChange = false;
}

bool VardunPresetMenu::applyPick (int itemId, const juce::StringArray& shownPaths, const juce::StringArray& shownNames)
{
    if (! VardunOptionMenuTree::applyPick (itemId, shownPaths, shownNames))
        return false;

    markedAsChange = false;
    return true;
}

void VardunPresetMenu::setPresetHasChanged()
{
    if (markedAsChange)
        return;

    setText (getText (false) + editedMark, juce::dontSendNotification);
    markedAsChange = true;
}

void VardunPresetMenu::setMarkedAsChange (bool isMarked)
{
    markedAsChange = isMarked;
}

void VardunPresetMenu::compareAndMarkPreset (LumiverPX2741AudioProcessor* processor)
{
    const auto file = PresetLibrary (getDirectory()).getFile (selectedFilePath);

    if (processor == nullptr || ! file.existsAsFile())
        return;

    // A difference only ever adds the mark.
    if (processor->comparePreset (juce::parseXML (file)))
        setPresetHasChanged();
}

int VardunPresetMenu::readPreset (LumiverPX2741AudioProcessor* processor, const juce::String& path)
{
    const auto file = PresetLibrary (getDirectory()).getFile (path);

    if (processor == nullptr || ! file.existsAsFile())
        return presetNotRead;

    // A file that does not parse reaches the processor as no document.
    return processor->readPreset (juce::parseXML (file), true);
}

juce::Result VardunPresetMenu::writePreset (LumiverPX2741AudioProcessor* processor, const juce::String& path)
{
    const PresetLibrary library (getDirectory());
    const auto target = library.getFile (path);

    if (processor == nullptr)
        return juce::Result::fail ("No processor to save");

    const auto saved = library.save (processor->writePreset (true), target);

    if (saved.wasOk())
        setSelectedFilePath (library.getRelativePath (target));

    return saved;
}

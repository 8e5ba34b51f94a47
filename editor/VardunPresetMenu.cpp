#include "VardunPresetMenu.h"

#include "LumiverPX2741AudioProcessor.h"
#include "PresetFolderPath.h"

namespace
{
    /** How preset files are written: UTF-8, lines wrapped at 60, no DTD. */
    juce::XmlElement::TextFormat presetFileFormat()
    {
        juce::XmlElement::TextFormat format;
        format.customEncoding = "UTF-8";
        format.lineWrapLength = 60;
        return format;
    }
}

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
    const auto file = PresetFolderPath::resolve (getDirectory(), selectedFilePath);

    if (processor == nullptr || ! file.existsAsFile())
        return;

    // A difference only ever adds the mark.
    if (processor->comparePreset (juce::parseXML (file)))
        setPresetHasChanged();
}

int VardunPresetMenu::readPreset (LumiverPX2741AudioProcessor* processor, const juce::String& path)
{
    const auto file = PresetFolderPath::resolve (getDirectory(), path);

    if (processor == nullptr || ! file.existsAsFile())
        return presetNotRead;

    // A file that does not parse reaches the processor as no document.
    return processor->readPreset (juce::parseXML (file), true);
}

bool VardunPresetMenu::writePreset (LumiverPX2741AudioProcessor* processor, const juce::String& path)
{
    const auto target = PresetFolderPath::resolve (getDirectory(), path);

    if (processor == nullptr || target == juce::File() || target.isDirectory())
        return false;

    const auto document = processor->writePreset (true);

    // writeTo goes through a temporary file beside the target, so a failed
    // write leaves an existing preset as it was.
    if (target.getParentDirectory().createDirectory().failed()
        || ! document.writeTo (target, presetFileFormat()))
        return false;

    setSelectedFilePath (PresetFolderPath::getRelativePath (getDirectory(), target));
    return true;
}

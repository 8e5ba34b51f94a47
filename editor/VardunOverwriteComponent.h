#pragma once

#include "VardunAlertComponent.h"

class LumiverPX2741AudioProcessor;
class VardunPresetMenu;

/**
    The question asked before an existing preset file is overwritten: the
    alert with OK and CANCEL (asterisk icon), opened by askToOverwrite.

    OK writes the processor's current preset over targetFile through the preset
    menu, stores the file's path relative to the preset root in the current
    program's active slot, tells the host to update its display and closes the
    box. A write that fails (or that the menu refuses, e.g. a file outside the
    preset tree) stores nothing: the box stays open under its own alert naming
    the file, and the user can try again or CANCEL. A box without a processor
    or a preset menu writes nothing and only closes. CANCEL only closes.

    The processor and the preset menu are not owned and must outlive the box.
*/
class VardunOverwriteComponent : public VardunAlertComponent
{
public:
    VardunOverwriteComponent (const juce::String& componentName, LumiverPX2741AudioProcessor* processor,
                              VardunPresetMenu* presetMenu);

    void okButtonClicked() override;
    void cancelButtonClicked() override;

    /** Sets targetFile, titles the box with the question for it (its path in the
        preset tree, in double quotes) and shows it with OK and CANCEL. */
    void askToOverwrite (const juce::File& presetFile);

    /** Writes the processor's current preset to presetFile through the preset
        menu and stores the path the menu then selects in the current program's
        active slot; true when written. A failed write stores nothing and its
        message is shown in failureAlert, with OK alone. */
    static bool savePresetFile (LumiverPX2741AudioProcessor& processor, VardunPresetMenu& presetMenu,
                                const juce::File& presetFile, VardunAlertComponent& failureAlert);

    juce::File targetFile;

protected:
    /** Writes over targetFile and closes the box; true when the file was written. */
    bool overwriteTarget();

private:
    LumiverPX2741AudioProcessor* processor;
    VardunPresetMenu* presetMenu;
    VardunAlertComponent alertComponent_ { "alertComponent_", DialogArt::frownIcon,
                                           DialogArt::okButtonImage, DialogArt::cancelButtonImage };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunOverwriteComponent)
};

#pragma once

#include "ExternalOpener.h"
#include "LumiverPX2741AudioProcessor.h"
#include "Vardun2StateButton.h"
#include "Vardun2StateKickButton.h"
#include "Vardun4StateButton3PDT.h"
#include "VardunAlertComponent.h"
#include "VardunKnob.h"
#include "VardunModDelayFreq20HzMaxLog30Knob.h"
#include "VardunModDelaySyncKnob.h"
#include "VardunOverwriteComponent.h"
#include "VardunPresetBrowser.h"
#include "VardunPresetMenu.h"
#include "VardunSplashScreen.h"
#include "VardunVerticalSwitch2.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <map>
#include <memory>

/** The plug-in's window: a fixed 325 x 454 panel painted from the background
    image, with film-strip controls bound to the nine parameters, the preset
    strip along the top and four hidden overlay panels.

    Controls to the processor:
    - knobs, the type switch, the footswitch, the stereo and sync buttons and
      the three invisible type labels call setParameterNotifyingHost; the host
      then calls setParameter, which raises parametersChanged. Each user edit
      is a change gesture: a knob's or the switch's from mouse-down to
      mouse-up (or to the window's closing), a button's around its one value;
    - the A/B switch selects the current program's active slot and re-sends
      all nine values, one gesture each; the copy button copies the active
      slot over the other.

    Processor to the controls: only the 50 ms poll. A tick takes
    parametersChanged (and with it slotChanged and programChanged) and
    refreshes the controls without notifying anyone; after a program change it
    re-selects and compares the slot's preset in the menu on three ticks.

    Presets: a pick in the preset menu or a step with the arrows loads the file
    through the menu; the file menu saves (with an overwrite question or the
    save-preset browser), opens the user manual and the maker's website.
*/
class LumiverPX2741AudioProcessorEditor : public juce::AudioProcessorEditor,
                                          public juce::Timer,
                                          public juce::Button::Listener,
                                          public juce::Slider::Listener,
                                          public juce::Label::Listener
{
public:
    /** The file menu's items. */
    enum FileMenuItem
    {
        savePresetItem = 1,
        savePresetAsItem = 2,
        userManualItem = 3,
        websiteItem = 4
    };

    static constexpr int pollIntervalMs = 50;

    /** How many ticks re-select the preset after a program change. */
    static constexpr int presetMenuResyncTicks = 3;

    static constexpr const char* websiteAddress = "https://vardun.example.com/";
    static constexpr const char* downloadPageAddress = "https://vardun.example.com/downloads";

    explicit LumiverPX2741AudioProcessorEditor (LumiverPX2741AudioProcessor* processor);
    ~LumiverPX2741AudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;

    /** The 50 ms poll of the processor's change flags. */
    void timerCallback() override;

    void buttonClicked (juce::Button* button) override;
    void sliderValueChanged (juce::Slider* slider) override;

    /** A knob's or the type switch's gesture: from mouse-down to mouse-up. */
    void sliderDragStarted (juce::Slider* slider) override;
    void sliderDragEnded (juce::Slider* slider) override;

    /** A pick in the preset menu: loads the picked preset into the active slot. */
    void labelTextChanged (juce::Label* label) override;

    /** Carries out a file-menu item; 0 (dismissed) and unknown ids do nothing. */
    void fileMenuResult (int itemId);

    /** Creates the preset root folder if it is not a folder yet. */
    void createPresetFolder();

    /** Replaces what opens the manual and the website; null restores the default. */
    void setExternalOpener (ExternalOpener* newOpener) noexcept;

    /** The user manual's place: the music folder / "Audio Music Apps" / "Vardun/User Manuals". */
    static juce::File getUserManualFile();

    //==============================================================================
    juce::LookAndFeel_V3 lookAndFeel;
    juce::Image backgroundImage;

    bool presetMenuResyncPending = false;
    int presetMenuResyncCount = 0;

    std::unique_ptr<Vardun2StateKickButton> fileButton_;
    std::unique_ptr<Vardun2StateKickButton> presetDecButton_;
    std::unique_ptr<Vardun2StateKickButton> presetIncButton_;
    std::unique_ptr<VardunPresetMenu> presetMenu_;
    std::unique_ptr<Vardun2StateButton> abButton_;
    std::unique_ptr<Vardun2StateKickButton> abCopyButton_;
    std::unique_ptr<Vardun4StateButton3PDT> bypassButton_;
    std::unique_ptr<VardunVerticalSwitch2> typeKnob_;
    std::unique_ptr<VardunModDelayFreq20HzMaxLog30Knob> rateKnob_;
    std::unique_ptr<VardunModDelaySyncKnob> rateSyncKnob_;
    std::unique_ptr<VardunKnob> shapeKnob_;
    std::unique_ptr<VardunKnob> depthKnob_;
    std::unique_ptr<VardunKnob> levelKnob_;
    std::unique_ptr<Vardun2StateButton> stereoSpreadButton_;
    std::unique_ptr<Vardun2StateButton> syncButton_;
    std::unique_ptr<Vardun2StateKickButton> type1ShortcutButton_;
    std::unique_ptr<Vardun2StateKickButton> type2ShortcutButton_;
    std::unique_ptr<Vardun2StateKickButton> type3ShortcutButton_;
    std::unique_ptr<VardunPresetBrowser> savePresetBrowser_;
    std::unique_ptr<VardunOverwriteComponent> overwritePresetComponent_;
    std::unique_ptr<VardunAlertComponent> alert_;
    std::unique_ptr<Vardun2StateKickButton> aboutShowButton_;
    std::unique_ptr<VardunSplashScreen> aboutContainer_;

private:
    LumiverPX2741AudioProcessor& getProcessor() const noexcept;

    /** Sets every control from the processor's values, notifying nobody. */
    void refreshControls();

    /** What a control shows for its parameter: for the type switch and the
        synced-rate knob, the step of the wave or note that plays. */
    double controlValue (int index) const;

    /** Shows the free-rate knob while sync is off, the synced one while it is on. */
    void showRateKnobFor (float syncValue);

    /** The A/B switch from the active slot, and the copy art to match. */
    void refreshSlotControls();

    /** The copy art for the active slot, decoded afresh. */
    static juce::Image loadCopyImage (bool slotBActive);

    /** Stores the menu's selected path in the active slot, loads it and tells the host. */
    void loadSelectedPreset();

    /** Raises programChanged, then parametersChanged, and asks the host to
        update its display: the poll re-syncs the menu and the controls. */
    void announceProgramChange();

    void showNewerVersionAlert();
    void showFileMenu();
    void savePreset();
    void showSaveBrowser();
    void openUserManual();

    void switchSlot();
    void copySlot();

    /** The parameter a knob or the type switch sets; -1 for any other slider. */
    int getParameterOf (const juce::Slider* slider) const;

    /** Sends a value to the host through setParameterNotifyingHost, within a
        gesture already begun. */
    void sendParameter (int index, float value);

    /** Sends a value as a change gesture of its own: begin, value, end. */
    void sendGesture (int index, float value);

    void addControl (juce::Component& control, bool visible, juce::Rectangle<int> bounds);
    void addButton (juce::Button& button, juce::Rectangle<int> bounds);
    void addKnob (juce::Slider& knob, int parameterIndex, double doubleClickValue,
                  bool visible, juce::Rectangle<int> bounds);

    ExternalOpener defaultOpener;
    ExternalOpener* opener = &defaultOpener;

    /** The parameter of each knob or type-switch drag under way. */
    std::map<const juce::Slider*, int> draggedParameters;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LumiverPX2741AudioProcessorEditor)
};

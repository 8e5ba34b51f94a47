#include "LumiverPX2741AudioProcessorEditor.h"
#include "DialogArt.h"
#include "PresetLibrary.h"

#include "LumiverModulationUpperPanelBinImg.h"
#include "LumiverPX2741BinImg.h"

namespace
{
    constexpr int knobFrames = 101;
    constexpr int syncKnobFrames = 19;
    constexpr int typeSwitchFrames = 3;
    constexpr int typeSwitchControllableHeight = 45;
    constexpr double knobDoubleClickValue = 0.5;
    constexpr double syncKnobDoubleClickValue = 0.0;

    const juce::Rectangle<int> overlayBounds (0, 0, 325, 454);

    const juce::Colour presetNameColour (0, 0, 0);

    float switchValue (const juce::Button& button) noexcept
    {
        return button.getToggleState() ? 1.0f : 0.0f;
    }
}

//==============================================================================
LumiverPX2741AudioProcessorEditor::LumiverPX2741AudioProcessorEditor (LumiverPX2741AudioProcessor* p)
    : juce::AudioProcessorEditor (p)
{
    using namespace LumiverPX2741BinImg;
    using namespace LumiverModulationUpperPanelBinImg;

    setLookAndFeel (&lookAndFeel);

    backgroundImage = DialogArt::decode (bg_tremolo_png, bg_tremolo_pngSize);
    setSize (backgroundImage.getWidth(), backgroundImage.getHeight());

    auto& processor = getProcessor();
    const auto isOn = [&processor] (int index) { return processor.getParameter (index) > 0.0f; };

    fileButton_ = std::make_unique<Vardun2StateKickButton> ("fileButton_");
    fileButton_->setImage (DialogArt::decode (file_png, file_pngSize));
    addButton (*fileButton_, { 6, 3, 58, 26 });

    presetDecButton_ = std::make_unique<Vardun2StateKickButton> ("presetDecButton_");
    presetDecButton_->setImage (DialogArt::decode (left_png, left_pngSize));
    addButton (*presetDecButton_, { 263, 3, 29, 26 });

    presetIncButton_ = std::make_unique<Vardun2StateKickButton> ("presetIncButton_");
    presetIncButton_->setImage (DialogArt::decode (right_png, right_pngSize));
    addButton (*presetIncButton_, { 292, 3, 29, 26 });

    presetMenu_ = std::make_unique<VardunPresetMenu> ("presetMenu_");
    presetMenu_->setDirectoryPath (presetRootFolder().getFullPathName());
    presetMenu_->setFileExtension (presetFilePattern);
    presetMenu_->setSelectedFilePath (processor.getActivePresetPath());
    presetMenu_->setColour (juce::Label::textColourId, presetNameColour);
    presetMenu_->addListener (this);
    addControl (*presetMenu_, true, { 67, 3, 192, 26 });

    // The switch starts off and the copy art at A to B; the first tick sets both.
    abButton_ = std::make_unique<Vardun2StateButton> ("abButton_");
    abButton_->setImage (DialogArt::decode (ab_png, ab_pngSize));
    addButton (*abButton_, { 92, 35, 62, 23 });

    abCopyButton_ = std::make_unique<Vardun2StateKickButton> ("abCopyButton_");
    abCopyButton_->setImage (loadCopyImage (false));
    addButton (*abCopyButton_, { 163, 30, 75, 25 });

    bypassButton_ = std::make_unique<Vardun4StateButton3PDT> ("bypassButton_");
    bypassButton_->setImage (DialogArt::decode (bypass_png, bypass_pngSize));
    bypassButton_->setToggleState (isOn (onBypassIndex), juce::dontSendNotification);
    addButton (*bypassButton_, { 222, 354, 90, 99 });

    stereoSpreadButton_ = std::make_unique<Vardun2StateButton> ("stereoSpreadButton_");
    stereoSpreadButton_->setImage (DialogArt::decode (stereo_png, stereo_pngSize));
    stereoSpreadButton_->setToggleState (isOn (stereoIndex), juce::dontSendNotification);
    addButton (*stereoSpreadButton_, { 263, 62, 54, 22 });

    syncButton_ = std::make_unique<Vardun2StateButton> ("syncButton_");
    syncButton_->setImage (DialogArt::decode (sync_png, sync_pngSize));
    syncButton_->setToggleState (isOn (syncIndex), juce::dontSendNotification);
    addButton (*syncButton_, { 7, 62, 54, 22 });

    typeKnob_ = std::make_unique<VardunVerticalSwitch2> ("typeKnob_");
    typeKnob_->setImage (DialogArt::decode (type_png, type_pngSize), typeSwitchFrames);
    typeKnob_->setRange (0.0, 1.0, 0.5);
    typeKnob_->setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
    typeKnob_->setValue (controlValue (tremoloTypeIndex), juce::dontSendNotification);
    typeKnob_->setControllableImageHeight (typeSwitchControllableHeight);
    typeKnob_->addListener (this);
    addControl (*typeKnob_, true, { 106, 137, 48, 80 });

    // Invisible hit areas over the printed wave names.
    type1ShortcutButton_ = std::make_unique<Vardun2StateKickButton> ("type1ShortcutButton_");
    addButton (*type1ShortcutButton_, { 160, 135, 25, 10 });
    type2ShortcutButton_ = std::make_unique<Vardun2StateKickButton> ("type2ShortcutButton_");
    addButton (*type2ShortcutButton_, { 160, 154, 46, 10 });
    type3ShortcutButton_ = std::make_unique<Vardun2StateKickButton> ("type3ShortcutButton_");
    addButton (*type3ShortcutButton_, { 160, 172, 55, 10 });

    // The two rate knobs share one place; the sync switch decides which one shows.
    rateKnob_ = std::make_unique<VardunModDelayFreq20HzMaxLog30Knob> ("rateKnob_");
    rateKnob_->setImage (DialogArt::decode (rate_png, rate_pngSize), knobFrames);
    rateKnob_->setPopupDisplayEnabled (true, false, this);
    addKnob (*rateKnob_, rateIndex, knobDoubleClickValue, false, { 14, 126, 73, 72 });

    rateSyncKnob_ = std::make_unique<VardunModDelaySyncKnob> ("rateSyncKnob_");
    rateSyncKnob_->setImage (DialogArt::decode (rate_sync_png, rate_sync_pngSize), syncKnobFrames);
    rateSyncKnob_->setPopupDisplayEnabled (true, false, this);
    addKnob (*rateSyncKnob_, rateSyncIndex, syncKnobDoubleClickValue, false, { 14, 126, 73, 72 });

    showRateKnobFor (processor.getParameter (syncIndex));

    shapeKnob_ = std::make_unique<VardunKnob> ("shapeKnob_");
    shapeKnob_->setImage (DialogArt::decode (shape_png, shape_pngSize), knobFrames);
    addKnob (*shapeKnob_, shapeIndex, knobDoubleClickValue, true, { 68, 225, 73, 72 });

    depthKnob_ = std::make_unique<VardunKnob> ("depthKnob_");
    depthKnob_->setImage (DialogArt::decode (depth_png, depth_pngSize), knobFrames);
    addKnob (*depthKnob_, depthIndex, knobDoubleClickValue, true, { 180, 225, 73, 72 });

    levelKnob_ = std::make_unique<VardunKnob> ("levelKnob_");
    levelKnob_->setImage (DialogArt::decode (level_png, level_pngSize), knobFrames);
    addKnob (*levelKnob_, levelIndex, knobDoubleClickValue, true, { 237, 126, 73, 72 });

    aboutShowButton_ = std::make_unique<Vardun2StateKickButton> ("aboutShowButton_");
    addButton (*aboutShowButton_, { 15, 383, 109, 58 });

    // The about screen sizes itself to its image.
    aboutContainer_ = std::make_unique<VardunSplashScreen> ("aboutContainer_");
    addControl (*aboutContainer_, false, aboutContainer_->getLocalBounds());

    // The overlays cover the window; none of them takes the modal state from
    // the editor, which is never modal itself.
    savePresetBrowser_ = std::make_unique<VardunPresetBrowser> ("savePresetBrowser_", presetRootFolder(), presetFilePattern,
                                                                VardunFileBrowser::saveBrowserType, DialogArt::saveAsTitleArt,
                                                                DialogArt::saveButtonImage, DialogArt::cancelButtonImage,
                                                                DialogArt::newFolderButtonImage,
                                                                &processor, presetMenu_.get());
    savePresetBrowser_->needChangeParentModal (false);
    addControl (*savePresetBrowser_, false, overlayBounds);

    overwritePresetComponent_ = std::make_unique<VardunOverwriteComponent> ("overwritePresetComponent_",
                                                                            &processor, presetMenu_.get());
    overwritePresetComponent_->needChangeParentModal (false);
    addControl (*overwritePresetComponent_, false, overlayBounds);

    alert_ = std::make_unique<VardunAlertComponent> ("alert_", DialogArt::asteriskIcon, DialogArt::okButtonImage,
                                                    DialogArt::cancelButtonImage);
    alert_->needChangeParentModal (false);
    addControl (*alert_, false, overlayBounds);

    // Values, slot and program first, the flag that the poll takes last, so
    // that the first tick refreshes everything and re-selects the preset.
    processor.slotChanged.store (true);
    processor.programChanged.store (true);
    processor.parametersChanged.store (true, std::memory_order_release);

    presetMenuResyncPending = true;
    presetMenuResyncCount = 0;

    startTimer (pollIntervalMs);
}

LumiverPX2741AudioProcessorEditor::~LumiverPX2741AudioProcessorEditor()
{
    stopTimer();

    // The panels hold plain pointers to the preset menu, so it goes last.
    fileButton_.reset();
    presetDecButton_.reset();
    presetIncButton_.reset();
    abButton_.reset();
    abCopyButton_.reset();
    bypassButton_.reset();
    typeKnob_.reset();
    rateKnob_.reset();
    rateSyncKnob_.reset();
    shapeKnob_.reset();
    depthKnob_.reset();
    levelKnob_.reset();
    stereoSpreadButton_.reset();
    syncButton_.reset();
    type1ShortcutButton_.reset();
    type2ShortcutButton_.reset();
    type3ShortcutButton_.reset();
    aboutShowButton_.reset();
    aboutContainer_.reset();
    savePresetBrowser_.reset();
    overwritePresetComponent_.reset();
    alert_.reset();
    presetMenu_.reset();

    backgroundImage = {};
    setLookAndFeel (nullptr);
}

//==============================================================================
void LumiverPX2741AudioProcessorEditor::paint (juce::Graphics& g)
{
    g.drawImage (backgroundImage, 0, 0, backgroundImage.getWidth(), backgroundImage.getHeight(),
                 0, 0, backgroundImage.getWidth(), backgroundImage.getHeight());
}

void LumiverPX2741AudioProcessorEditor::addControl (juce::Component& control, bool visible, juce::Rectangle<int> bounds)
{
    if (visible)
        addAndMakeVisible (control);
    else
        addChildComponent (control);

    control.setBounds (bounds);
}

void LumiverPX2741AudioProcessorEditor::addButton (juce::Button& button, juce::Rectangle<int> bounds)
{
    button.addListener (this);
    addControl (button, true, bounds);
}

void LumiverPX2741AudioProcessorEditor::addKnob (juce::Slider& knob, int parameterIndex, double doubleClickValue,
                                                 bool visible, juce::Rectangle<int> bounds)
{
    knob.setValue (controlValue (parameterIndex), juce::dontSendNotification);
    knob.setDoubleClickReturnValue (true, doubleClickValue);
    knob.addListener (this);
    addControl (knob, visible, bounds);
}

LumiverPX2741AudioProcessor& LumiverPX2741AudioProcessorEditor::getProcessor() const noexcept
{
    return static_cast<LumiverPX2741AudioProcessor&> (processor);
}

void LumiverPX2741AudioProcessorEditor::setExternalOpener (ExternalOpener* newOpener) noexcept
{
    opener = newOpener != nullptr ? newOpener : &defaultOpener;
}

//==============================================================================
void LumiverPX2741AudioProcessorEditor::timerCallback()
{
    auto& processor = getProcessor();

    // The flag is taken before anything is read: a raiser stores the values,
    // slot and program first and raises parametersChanged last, so a change
    // that arrives while this tick runs raises it again for the next one.
    if (processor.parametersChanged.exchange (false, std::memory_order_acquire))
    {
        refreshControls();

        if (processor.slotChanged.exchange (false, std::memory_order_acquire))
            refreshSlotControls();

        if (processor.programChanged.exchange (false, std::memory_order_acquire))
        {
            presetMenuResyncPending = true;
            presetMenuResyncCount = 0;
        }
        else
        {
            presetMenu_->setPresetHasChanged();
        }
    }

    if (presetMenuResyncPending && presetMenuResyncCount < presetMenuResyncTicks)
    {
        presetMenu_->setSelectedFilePath (processor.getActivePresetPath());
        presetMenu_->compareAndMarkPreset (&processor);
        ++presetMenuResyncCount;
    }
}

void LumiverPX2741AudioProcessorEditor::refreshControls()
{
    auto& processor = getProcessor();

    bypassButton_->setToggleState (processor.getParameter (onBypassIndex) > 0.0f, juce::dontSendNotification);
    typeKnob_->setValue (controlValue (tremoloTypeIndex), juce::dontSendNotification);
    rateKnob_->setValue (controlValue (rateIndex), juce::dontSendNotification);
    rateSyncKnob_->setValue (controlValue (rateSyncIndex), juce::dontSendNotification);
    showRateKnobFor (processor.getParameter (syncIndex));
    shapeKnob_->setValue (controlValue (shapeIndex), juce::dontSendNotification);
    depthKnob_->setValue (controlValue (depthIndex), juce::dontSendNotification);
    levelKnob_->setValue (controlValue (levelIndex), juce::dontSendNotification);
    stereoSpreadButton_->setToggleState (processor.getParameter (stereoIndex) > 0.0f, juce::dontSendNotification);
    syncButton_->setToggleState (processor.getParameter (syncIndex) > 0.0f, juce::dontSendNotification);
}

double LumiverPX2741AudioProcessorEditor::controlValue (int index) const
{
    const float value = getProcessor().getParameter (index);

    // The type switch and the synced-rate knob snap to their steps; left to
    // themselves they would snap to the nearest step, not to the one that plays.
    if (index == tremoloTypeIndex)
        return ParameterTable::getWaveTypeValue (ParameterTable::getWaveType (value));

    if (index == rateSyncIndex)
        return VardunModDelaySyncKnob::valueOfNote (ParameterTable::getNoteValue (value));

    return value;
}

void LumiverPX2741AudioProcessorEditor::showRateKnobFor (float syncValue)
{
    // Synced exactly when the modules are: any other value, a negative one
    // included, runs the free rate.
    const bool synced = syncValue > 0.0f;
    rateKnob_->setVisible (! synced);
    rateSyncKnob_->setVisible (synced);
}

void LumiverPX2741AudioProcessorEditor::refreshSlotControls()
{
    auto& processor = getProcessor();
    const auto& program = processor.getCurrentProgramSlots();

    abButton_->setToggleState (program.activeChannel.load() != 0, juce::dontSendNotification);
    abCopyButton_->setImage (loadCopyImage (abButton_->getToggleState()));
}

juce::Image LumiverPX2741AudioProcessorEditor::loadCopyImage (bool slotBActive)
{
    using namespace LumiverModulationUpperPanelBinImg;

    return slotBActive ? DialogArt::decode (btoa_png, btoa_pngSize)
                       : DialogArt::decode (atob_png, atob_pngSize);
}

//==============================================================================
void LumiverPX2741AudioProcessorEditor::buttonClicked (juce::Button* button)
{
    if (button == fileButton_.get())
    {
        showFileMenu();
    }
    else if (button == presetDecButton_.get() || button == presetIncButton_.get())
    {
        if (button == presetDecButton_.get())
            presetMenu_->previousResult();
        else
            presetMenu_->nextResult();

        loadSelectedPreset();
    }
    else if (button == abButton_.get())
    {
        switchSlot();
    }
    else if (button == abCopyButton_.get())
    {
        copySlot();
    }
    else if (button == bypassButton_.get())
    {
        sendGesture (onBypassIndex, switchValue (*bypassButton_));
    }
    else if (button == stereoSpreadButton_.get())
    {
        sendGesture (stereoIndex, switchValue (*stereoSpreadButton_));
    }
    else if (button == syncButton_.get())
    {
        sendGesture (syncIndex, switchValue (*syncButton_));
        showRateKnobFor (getProcessor().getParameter (syncIndex));
    }
    else if (button == type1ShortcutButton_.get())
    {
        sendGesture (tremoloTypeIndex, ParameterTable::getWaveTypeValue (0));
    }
    else if (button == type2ShortcutButton_.get())
    {
        sendGesture (tremoloTypeIndex, ParameterTable::getWaveTypeValue (1));
    }
    else if (button == type3ShortcutButton_.get())
    {
        sendGesture (tremoloTypeIndex, ParameterTable::getWaveTypeValue (2));
    }
    else if (button == aboutShowButton_.get())
    {
        aboutContainer_->setVersion (juce::String (productVersion) + " (64bit)");
        aboutContainer_->show();
    }
}

int LumiverPX2741AudioProcessorEditor::getParameterOf (const juce::Slider* slider) const
{
    const juce::Slider* const knobs[] = { typeKnob_.get(), rateKnob_.get(), rateSyncKnob_.get(),
                                          shapeKnob_.get(), depthKnob_.get(), levelKnob_.get() };
    const int parameters[] = { tremoloTypeIndex, rateIndex, rateSyncIndex, shapeIndex, depthIndex, levelIndex };

    for (size_t i = 0; i < std::size (knobs); ++i)
        if (slider == knobs[i])
            return parameters[i];

    return -1;
}

void LumiverPX2741AudioProcessorEditor::sliderValueChanged (juce::Slider* slider)
{
    // Within the gesture of the drag, click, wheel turn or double-click that moved it.
    const int index = getParameterOf (slider);

    if (index >= 0)
        sendParameter (index, (float) slider->getValue());
}

void LumiverPX2741AudioProcessorEditor::sliderDragStarted (juce::Slider* slider)
{
    const int index = getParameterOf (slider);

    if (index >= 0)
    {
        draggedParameters[slider] = index;
        getProcessor().beginParameterChangeGesture (index);
    }
}

void LumiverPX2741AudioProcessorEditor::sliderDragEnded (juce::Slider* slider)
{
    // Looked up by what the drag began with: a slider that ends its drag as it is
    // deleted, with the window, is no longer found among the controls.
    const auto dragged = draggedParameters.find (slider);

    if (dragged != draggedParameters.end())
    {
        getProcessor().endParameterChangeGesture (dragged->second);
        draggedParameters.erase (dragged);
    }
}

void LumiverPX2741AudioProcessorEditor::labelTextChanged (juce::Label* label)
{
    if (label == presetMenu_.get())
        loadSelectedPreset();
}

void LumiverPX2741AudioProcessorEditor::sendParameter (int index, float value)
{
    // The host hears of the change and calls setParameter, which stores it.
    getProcessor().setParameterNotifyingHost (index, value);
}

void LumiverPX2741AudioProcessorEditor::sendGesture (int index, float value)
{
    auto& processor = getProcessor();
    processor.beginParameterChangeGesture (index);
    sendParameter (index, value);
    processor.endParameterChangeGesture (index);
}

//==============================================================================
void LumiverPX2741AudioProcessorEditor::loadSelectedPreset()
{
    auto& processor = getProcessor();
    const auto path = presetMenu_->getSelectedFilePath();

    processor.setActivePresetPath (path);

    if (presetMenu_->readPreset (&processor, path) == presetNewerVersion)
        showNewerVersionAlert();

    announceProgramChange();
}

void LumiverPX2741AudioProcessorEditor::announceProgramChange()
{
    // The program flag before the one the poll takes, as every raiser does.
    auto& processor = getProcessor();
    processor.programChanged.store (true);
    processor.parametersChanged.store (true, std::memory_order_release);
    processor.updateHostDisplay();
}

void LumiverPX2741AudioProcessorEditor::showNewerVersionAlert()
{
    alert_->setTitle ("\"" + getProcessor().getActivePresetPath() + "\""
                      + "\nwas made using a newer version of " + productName
                      + ".\nTo use this preset correctly, please install the newest version from: "
                      + downloadPageAddress);
    alert_->show (1, DialogArt::asteriskIcon);
}

void LumiverPX2741AudioProcessorEditor::switchSlot()
{
    auto& processor = getProcessor();
    auto& program = processor.getCurrentProgramSlots();

    // From the program's own slot: after a host's program change the switch
    // shows the old program's slot until the next tick.
    const int newSlot = 1 - program.activeChannel.load();
    const auto copyArt = loadCopyImage (newSlot == 1);

    abButton_->setToggleState (newSlot == 1, juce::dontSendNotification);
    program.activeChannel.store (newSlot);
    presetMenu_->setSelectedFilePath (processor.getActivePresetPath());
    abCopyButton_->setImage (copyArt);

    // getParameter now reads the new slot: the host and the live values take it over.
    for (int k = 0; k < numParameters; ++k)
        sendGesture (k, processor.getParameter (k));

    announceProgramChange();
}

void LumiverPX2741AudioProcessorEditor::copySlot()
{
    auto& processor = getProcessor();
    auto& program = processor.getCurrentProgramSlots();

    // The program's active slot is the source, so nothing audible changes;
    // the switch may still show the slot of the program before a host's change.
    const int source = program.activeChannel.load();
    const int destination = 1 - source;

    for (int k = 0; k < numParameters; ++k)
        program.slotParams[destination][k].store (program.slotParams[source][k].load());
}

//==============================================================================
void LumiverPX2741AudioProcessorEditor::showFileMenu()
{
    juce::PopupMenu menu;
    menu.addItem (savePresetItem, "Save Preset");
    menu.addItem (savePresetAsItem, "Save Preset As...");
    menu.addSeparator();
    menu.addItem (userManualItem, "User Manual");
    menu.addSeparator();
    menu.addItem (websiteItem, "Vardun Website");

    // The menu may answer after the host has closed the window.
    juce::Component::SafePointer<LumiverPX2741AudioProcessorEditor> editor (this);

    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (fileButton_.get()),
                        [editor] (int result)
                        {
                            if (editor != nullptr)
                                editor->fileMenuResult (result);
                        });
}

void LumiverPX2741AudioProcessorEditor::fileMenuResult (int itemId)
{
    switch (itemId)
    {
        case savePresetItem:
            savePreset();
            break;

        case savePresetAsItem:
            showSaveBrowser();
            break;

        case userManualItem:
            openUserManual();
            break;

        case websiteItem:
            opener->openWebPage (juce::URL (websiteAddress));
            break;

        default:
            break;
    }
}

void LumiverPX2741AudioProcessorEditor::savePreset()
{
    // The slot's path comes from host state and preset documents: a path that
    // leaves the preset tree resolves to nothing and is never overwritten.
    const auto file = PresetLibrary().getFile (getProcessor().getActivePresetPath());

    if (file.existsAsFile())
    {
        overwritePresetComponent_->askToOverwrite (file);
    }
    else
    {
        showSaveBrowser();
    }
}

void LumiverPX2741AudioProcessorEditor::showSaveBrowser()
{
    // The browser opens in the preset root, which may not exist yet.
    createPresetFolder();
    savePresetBrowser_->show();
}

void LumiverPX2741AudioProcessorEditor::openUserManual()
{
    const auto manual = getUserManualFile();

    if (manual.existsAsFile())
    {
        opener->openDocument (manual);
    }
    else
    {
        alert_->setTitle ("User manual on: \"" + manual.getFullPathName() + "\" is not available.");
        alert_->show (1, DialogArt::frownIcon);
    }
}

juce::File LumiverPX2741AudioProcessorEditor::getUserManualFile()
{
    return audioMusicAppsFolder()
               .getChildFile ("Vardun/User Manuals")
               .getChildFile ("LumiverPX2741 Manual.pdf");
}

void LumiverPX2741AudioProcessorEditor::createPresetFolder()
{
    const auto root = presetRootFolder();

    if (! root.isDirectory())
        root.createDirectory();
}

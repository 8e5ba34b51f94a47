// Renders the whole design on one sheet: the face with every control placed at
// its bounds at three settings, the about screen, the dialog panels as they are
// composed at run time, and every dialog button released and pressed.
//     lumiver_contact_sheet <output.png>

#include "PanelLayout.h"

#include <LumiverDialogBoxBinImg.h>
#include <LumiverModulationUpperPanelBinImg.h>
#include <LumiverPX2741BinImg.h>
#include <Vardun2StateButton.h>
#include <Vardun2StateKickButton.h>
#include <Vardun4StateButton3PDT.h>
#include <VardunKnob.h>
#include <VardunModDelayFreq20HzMaxLog30Knob.h>
#include <VardunModDelaySyncKnob.h>
#include <VardunVerticalSwitch2.h>

namespace
{
    using Box = juce::Rectangle<int>;

    constexpr int gap = 16;
    constexpr int captionHeight = 18;
    constexpr int columns = 4;
    const juce::Colour sheetColour (0xff2b2b2b);

    juce::Image load (const char* data, int size)
    {
        return juce::ImageFileFormat::loadFrom (data, (size_t) size);
    }

    /** Paints a control at its bounds on the panel whose top left is at origin. */
    void place (juce::Graphics& g, juce::Component& c, Box bounds, juce::Point<int> origin)
    {
        c.setBounds (bounds);
        juce::Graphics::ScopedSaveState state (g);
        g.setOrigin (origin + bounds.getPosition());
        c.paintEntireComponent (g, false);
    }

    void caption (juce::Graphics& g, const juce::String& text, juce::Point<int> panelOrigin)
    {
        g.setColour (juce::Colours::lightgrey);
        g.setFont (13.0f);
        g.drawText (text, panelOrigin.x, panelOrigin.y - captionHeight, 325, captionHeight - 2, juce::Justification::centredLeft);
    }

    struct Setting
    {
        juce::String name;
        bool on, stereo, sync, slotB;
        double type, rate, shape, depth, level;
    };

    /** The face with every control of the editor at one setting. */
    void face (juce::Graphics& g, juce::Point<int> origin, const Setting& s)
    {
        using namespace LumiverPX2741BinImg;
        using namespace LumiverModulationUpperPanelBinImg;

        g.drawImageAt (load (bg_tremolo_png, bg_tremolo_pngSize), origin.x, origin.y);

        Vardun2StateKickButton file ("fileButton_"), dec ("presetDecButton_"), inc ("presetIncButton_"), copy ("abCopyButton_");
        file.setImage (load (file_png, file_pngSize));
        dec.setImage (load (left_png, left_pngSize));
        inc.setImage (load (right_png, right_pngSize));
        copy.setImage (s.slotB ? load (btoa_png, btoa_pngSize) : load (atob_png, atob_pngSize));
        place (g, file, PanelLayout::fileButton, origin);
        place (g, dec, PanelLayout::presetDec, origin);
        place (g, inc, PanelLayout::presetInc, origin);
        place (g, copy, PanelLayout::abCopyButton, origin);

        g.setColour (juce::Colours::black);
        g.setFont (15.0f);
        g.drawText ("Init", PanelLayout::presetMenu.translated (origin.x + 4, origin.y), juce::Justification::centredLeft);

        Vardun2StateButton ab ("abButton_"), stereo ("stereoSpreadButton_"), sync ("syncButton_");
        ab.setImage (load (ab_png, ab_pngSize));
        stereo.setImage (load (stereo_png, stereo_pngSize));
        sync.setImage (load (sync_png, sync_pngSize));
        ab.setToggleState (s.slotB, juce::dontSendNotification);
        stereo.setToggleState (s.stereo, juce::dontSendNotification);
        sync.setToggleState (s.sync, juce::dontSendNotification);
        place (g, ab, PanelLayout::abButton, origin);
        place (g, stereo, PanelLayout::stereoButton, origin);
        place (g, sync, PanelLayout::syncButton, origin);

        Vardun4StateButton3PDT bypass ("bypassButton_");
        bypass.setImage (load (bypass_png, bypass_pngSize));
        bypass.setToggleState (s.on, juce::dontSendNotification);
        place (g, bypass, PanelLayout::bypassButton, origin);

        VardunVerticalSwitch2 type ("typeKnob_");
        type.setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
        type.setImage (load (type_png, type_pngSize), 3);
        type.setValue (s.type, juce::dontSendNotification);
        place (g, type, PanelLayout::typeSwitch, origin);

        VardunModDelayFreq20HzMaxLog30Knob rate ("rateKnob_");
        VardunModDelaySyncKnob rateSync ("rateSyncKnob_");
        rate.setImage (load (rate_png, rate_pngSize), 101);
        rateSync.setImage (load (rate_sync_png, rate_sync_pngSize), 19);
        rate.setValue (s.rate, juce::dontSendNotification);
        rateSync.setValue (s.rate, juce::dontSendNotification);
        place (g, s.sync ? static_cast<juce::Slider&> (rateSync) : rate, PanelLayout::rateKnob, origin);

        VardunKnob shape ("shapeKnob_"), depth ("depthKnob_"), level ("levelKnob_");
        shape.setImage (load (shape_png, shape_pngSize), 101);
        depth.setImage (load (depth_png, depth_pngSize), 101);
        level.setImage (load (level_png, level_pngSize), 101);
        shape.setValue (s.shape, juce::dontSendNotification);
        depth.setValue (s.depth, juce::dontSendNotification);
        level.setValue (s.level, juce::dontSendNotification);
        place (g, shape, PanelLayout::shapeKnob, origin);
        place (g, depth, PanelLayout::depthKnob, origin);
        place (g, level, PanelLayout::levelKnob, origin);

        caption (g, s.name, origin);
    }

    void about (juce::Graphics& g, juce::Point<int> origin)
    {
        g.drawImageAt (load (LumiverPX2741BinImg::about_px_png, LumiverPX2741BinImg::about_px_pngSize), origin.x, origin.y);
        g.setColour (juce::Colour (211, 211, 211));
        g.setFont (15.0f);
        g.drawText ("1.0.1 (64bit)", PanelLayout::aboutVersion + origin, juce::Justification::centredLeft);
        caption (g, "about screen", origin);
    }

    void dialogButton (juce::Graphics& g, const juce::Image& strip, Box bounds, juce::Point<int> origin)
    {
        g.drawImage (strip, bounds.getX() + origin.x, bounds.getY() + origin.y, bounds.getWidth(), bounds.getHeight(),
                     0, 0, strip.getWidth(), strip.getHeight() / 2);
    }

    void message (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> relative, juce::Point<int> origin)
    {
        const auto area = PanelLayout::panel.toFloat().getProportion (relative).translated ((float) origin.x, (float) origin.y);
        g.setColour (juce::Colour (211, 211, 211));
        g.setFont (15.0f);
        g.drawFittedText (text, area.toNearestInt(), juce::Justification::centred, 6);
    }

    /** An alert as the alert panel composes it: background, icon 12 px down, text, buttons. */
    void alert (juce::Graphics& g, juce::Point<int> origin, const juce::Image& under, const char* iconData, int iconSize,
                const juce::String& text, bool twoButtons, const juce::String& name)
    {
        using namespace LumiverDialogBoxBinImg;
        g.drawImageAt (under, origin.x, origin.y);
        g.drawImageAt (load (dialog_box_clean_png, dialog_box_clean_pngSize), origin.x, origin.y);
        g.drawImageAt (load (iconData, iconSize), origin.x, origin.y + PanelLayout::alertIconTop);
        message (g, text, { 0.1f, 0.3f, 0.8f, 0.4f }, origin);

        const auto ok = load (ok_png, ok_pngSize);
        if (twoButtons)
        {
            dialogButton (g, ok, PanelLayout::alertOkPair, origin);
            dialogButton (g, load (cancel_png, cancel_pngSize), PanelLayout::alertCancel, origin);
        }
        else
        {
            dialogButton (g, ok, PanelLayout::alertOkAlone, origin);
        }

        caption (g, name, origin);
    }

    void newFolder (juce::Graphics& g, juce::Point<int> origin, const juce::Image& under)
    {
        using namespace LumiverDialogBoxBinImg;
        g.drawImageAt (under, origin.x, origin.y);
        g.drawImageAt (load (dialog_box_clean_png, dialog_box_clean_pngSize), origin.x, origin.y);
        message (g, "Please enter the name of the new folder:", { 0.0f, 0.3f, 1.0f, 0.3f }, origin);
        g.setColour (juce::Colours::white);
        g.fillRect (PanelLayout::newFolderText + origin);
        dialogButton (g, load (ok_png, ok_pngSize), PanelLayout::alertOkPair, origin);
        dialogButton (g, load (cancel_png, cancel_pngSize), PanelLayout::alertCancel, origin);
        caption (g, "new-folder dialog", origin);
    }

    void browser (juce::Graphics& g, juce::Point<int> origin, const juce::Image& under, const char* titleData, int titleSize,
                  const juce::String& name)
    {
        using namespace LumiverDialogBoxBinImg;
        g.drawImageAt (under, origin.x, origin.y);
        g.drawImageAt (load (file_browser_clean_png, file_browser_clean_pngSize), origin.x, origin.y);
        g.drawImageAt (load (titleData, titleSize), origin.x, origin.y);
        dialogButton (g, load (newfolder_png, newfolder_pngSize), PanelLayout::browserFolder, origin);
        dialogButton (g, load (save_png, save_pngSize), PanelLayout::browserOk, origin);
        dialogButton (g, load (cancel_png, cancel_pngSize), PanelLayout::browserCancel, origin);
        caption (g, name, origin);
    }

    juce::Point<int> cell (int column, int row, int rowHeight)
    {
        return { gap + column * (325 + gap), gap + captionHeight + row * (rowHeight + gap + captionHeight) };
    }
}

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: %s <output.png>\n", argv[0]);
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI juce;
    using namespace LumiverDialogBoxBinImg;

    const int panelHeight = PanelLayout::aboutPanel.getHeight();
    const int buttonRowHeight = 102;
    const int width = gap + columns * (325 + gap);
    const int height = cell (0, 2, panelHeight).y + panelHeight + gap + captionHeight + buttonRowHeight + gap;

    juce::Image sheet (juce::Image::RGB, width, height, true);
    juce::Graphics g (sheet);
    g.fillAll (sheetColour);

    face (g, cell (0, 0, panelHeight), { "minimum, off, slot A", false, false, false, false, 0.0, 0.0, 0.0, 0.0, 0.0 });
    face (g, cell (1, 0, panelHeight), { "between, on, stereo, square", true, true, false, false, 0.5, 0.3, 0.5, 0.65, 0.8 });
    face (g, cell (2, 0, panelHeight), { "synced 1/4T, triangle, slot B", true, false, true, true, 1.0, 0.5, 0.9, 0.35, 0.5 });
    face (g, cell (3, 0, panelHeight), { "maximum, everything on", true, true, true, true, 1.0, 1.0, 1.0, 1.0, 1.0 });

    juce::Image under (juce::Image::ARGB, 325, 454, true);
    {
        juce::Graphics u (under);
        face (u, {}, { {}, true, false, false, false, 0.5, 0.3, 0.5, 0.65, 0.8 });
    }

    alert (g, cell (0, 1, panelHeight), under, icononly_asterix_png, icononly_asterix_pngSize,
           "Are you sure you want to overwrite this preset?\n\n\"Pads/Mellow.vpxp\"", true, "overwrite question");
    alert (g, cell (1, 1, panelHeight), under, icononly_frown_png, icononly_frown_pngSize,
           "User manual on: \"/home/user/Music/Audio Music Apps/Vardun/User Manuals/LumiverPX2741 Manual.pdf\" is not available.",
           false, "alert, frown");
    newFolder (g, cell (2, 1, panelHeight), under);
    browser (g, cell (3, 1, panelHeight), under, browser_textonly_save_as_png, browser_textonly_save_as_pngSize, "save-preset browser");

    alert (g, cell (0, 2, panelHeight), under, icononly_smile_png, icononly_smile_pngSize, "All done.", false, "alert, smile");
    browser (g, cell (1, 2, panelHeight), under, browser_textonly_load_png, browser_textonly_load_pngSize, "browser title LOAD");
    browser (g, cell (2, 2, panelHeight), under, browser_textonly_import_png, browser_textonly_import_pngSize, "browser title IMPORT");
    about (g, cell (3, 2, panelHeight));

    const std::pair<const char*, int> buttons[] = { { ok_png, ok_pngSize }, { cancel_png, cancel_pngSize }, { save_png, save_pngSize },
                                                    { import_png, import_pngSize }, { newfolder_png, newfolder_pngSize },
                                                    { download_png, download_pngSize }, { overwrite_png, overwrite_pngSize } };
    auto buttonOrigin = cell (0, 3, panelHeight);
    caption (g, "dialog buttons, released over pressed", buttonOrigin);
    for (const auto& [data, size] : buttons)
    {
        g.drawImageAt (load (data, size), buttonOrigin.x, buttonOrigin.y);
        buttonOrigin.x += 132 + gap;
    }

    const juce::File out = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);
    out.deleteFile();
    juce::FileOutputStream stream (out);
    juce::PNGImageFormat png;

    if (! stream.openedOk() || ! png.writeImageToStream (sheet, stream))
    {
        std::fprintf (stderr, "Could not write %s\n", out.getFullPathName().toRawUTF8());
        return 1;
    }

    std::printf ("Contact sheet written to %s\n", out.getFullPathName().toRawUTF8());
    return 0;
}

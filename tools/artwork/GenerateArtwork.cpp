// Draws every image of the product's artwork and writes the PNG files that the
// resources library embeds:
//     lumiver_artwork <folder>     (the repository's resources/art)

#include "ArtworkWriter.h"
#include "ControlArtwork.h"
#include "DialogArtwork.h"
#include "FaceArtwork.h"
#include "PanelLayout.h"

namespace
{
    using Colour = ArtworkWriter::Colour;

    constexpr int knobFrames = 101;
    constexpr int syncKnobFrames = 19;

    bool writeMainPanel (ArtworkWriter& out, const juce::Image& face)
    {
        const juce::String set ("main");
        bool ok = out.write (set, "bg_tremolo", face, Colour::rgba);
        ok &= out.write (set, "about_px", FaceArtwork::about(), Colour::rgba);
        ok &= out.write (set, "bypass", ControlArtwork::footswitch (face), Colour::rgb);
        ok &= out.write (set, "type", ControlArtwork::typeSwitch (face), Colour::rgb);
        ok &= out.write (set, "rate", ControlArtwork::knob (face, PanelLayout::rateKnob, knobFrames, false), Colour::rgb);
        ok &= out.write (set, "rate_sync", ControlArtwork::knob (face, PanelLayout::rateKnob, syncKnobFrames, true), Colour::rgba);
        ok &= out.write (set, "shape", ControlArtwork::knob (face, PanelLayout::shapeKnob, knobFrames, false), Colour::rgb);
        ok &= out.write (set, "depth", ControlArtwork::knob (face, PanelLayout::depthKnob, knobFrames, false), Colour::rgb);
        ok &= out.write (set, "level", ControlArtwork::knob (face, PanelLayout::levelKnob, knobFrames, false), Colour::rgb);
        return ok;
    }

    bool writeUpperPanel (ArtworkWriter& out, const juce::Image& face)
    {
        const juce::String set ("upper");
        bool ok = out.write (set, "file", ControlArtwork::pushButton (face, PanelLayout::fileButton, "FILE"), Colour::rgb);
        ok &= out.write (set, "left", ControlArtwork::arrowButton (face, PanelLayout::presetDec, true), Colour::rgb);
        ok &= out.write (set, "right", ControlArtwork::arrowButton (face, PanelLayout::presetInc, false), Colour::rgb);
        ok &= out.write (set, "ab", ControlArtwork::slotSwitch (face, PanelLayout::abButton), Colour::rgb);
        ok &= out.write (set, "atob", ControlArtwork::pushButton (face, PanelLayout::abCopyButton, juce::CharPointer_UTF8 ("A \xe2\x96\xb8 B")), Colour::rgb);
        ok &= out.write (set, "btoa", ControlArtwork::pushButton (face, PanelLayout::abCopyButton, juce::CharPointer_UTF8 ("B \xe2\x96\xb8 A")), Colour::rgb);
        ok &= out.write (set, "stereo", ControlArtwork::lampToggle (face, PanelLayout::stereoButton, "STEREO"), Colour::rgb);
        ok &= out.write (set, "sync", ControlArtwork::lampToggle (face, PanelLayout::syncButton, "SYNC"), Colour::rgb);
        return ok;
    }

    bool writeDialogs (ArtworkWriter& out)
    {
        using DialogArtwork::Icon;
        const juce::String set ("dialog");
        bool ok = out.write (set, "dialog_box_clean", DialogArtwork::dialogBox(), Colour::rgba);
        ok &= out.write (set, "file_browser_clean", DialogArtwork::fileBrowser(), Colour::rgba);
        ok &= out.write (set, "icononly_asterix", DialogArtwork::icon (Icon::asterisk), Colour::rgba);
        ok &= out.write (set, "icononly_smile", DialogArtwork::icon (Icon::smile), Colour::rgba);
        ok &= out.write (set, "icononly_frown", DialogArtwork::icon (Icon::frown), Colour::rgba);
        ok &= out.write (set, "browser_textonly_save_as", DialogArtwork::browserTitle ("SAVE AS"), Colour::rgba);
        ok &= out.write (set, "browser_textonly_load", DialogArtwork::browserTitle ("LOAD"), Colour::rgba);
        ok &= out.write (set, "browser_textonly_import", DialogArtwork::browserTitle ("IMPORT"), Colour::rgba);

        for (auto label : { "OK", "CANCEL", "SAVE", "IMPORT", "NEW FOLDER", "DOWNLOAD", "OVERWRITE" })
            ok &= out.write (set, juce::String (label).toLowerCase().removeCharacters (" "), DialogArtwork::button (label), Colour::rgba);

        return ok;
    }
}

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: %s <art folder>\n", argv[0]);
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI juce;
    ArtworkWriter out (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));

    const auto face = FaceArtwork::background();
    const bool ok = writeMainPanel (out, face) && writeUpperPanel (out, face) && writeDialogs (out);

    std::printf ("%d images written\n", out.getNumWritten());
    return ok ? 0 : 1;
}

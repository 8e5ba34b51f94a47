// Draws the plug-in's window as it opens at its default settings and writes
// it as a PNG file: the picture the README shows.
//     lumiver_window_picture <output.png>

#include <LumiverPX2741AudioProcessor.h>
#include <LumiverPX2741AudioProcessorEditor.h>

#include <cstdio>
#include <cstdlib>

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: %s <output.png>\n", argv[0]);
        return 2;
    }

    const auto output = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);

    // A home folder of its own, set before the framework starts, so that the
    // picture shows a first start and not the presets of whoever runs this.
    char home[] = "/tmp/lumiver_window_picture_XXXXXX";

    if (mkdtemp (home) == nullptr || setenv ("HOME", home, 1) != 0)
        return 1;

    bool written = false;

    {
        juce::ScopedJuceInitialiser_GUI juce;
        LumiverPX2741AudioProcessor processor;
        LumiverPX2741AudioProcessorEditor editor (&processor);

        // The poll's first tick and its preset re-sync, as in the open window.
        for (int tick = 0; tick <= LumiverPX2741AudioProcessorEditor::presetMenuResyncTicks; ++tick)
            editor.timerCallback();

        const auto picture = editor.createComponentSnapshot (editor.getLocalBounds()).convertedToFormat (juce::Image::RGB);

        output.getParentDirectory().createDirectory();
        output.deleteFile();
        juce::FileOutputStream stream (output);
        juce::PNGImageFormat png;
        written = stream.openedOk() && png.writeImageToStream (picture, stream);
    }

    juce::File (home).deleteRecursively();

    if (! written)
    {
        std::fprintf (stderr, "could not write %s\n", output.getFullPathName().toRawUTF8());
        return 1;
    }

    std::printf ("%s written\n", output.getFullPathName().toRawUTF8());
    return 0;
}

#pragma once

#include <juce_graphics/juce_graphics.h>

/** Writes images as plain PNG files into the folders of the three image sets. */
class ArtworkWriter
{
public:
    explicit ArtworkWriter (juce::File artFolder);

    enum class Colour { rgb, rgba };

    /** Writes setFolder/name.png; an RGB image drops its alpha channel. Returns
        false and reports on stderr if the file cannot be written. */
    bool write (const juce::String& setFolder, const juce::String& name, const juce::Image& image, Colour colourType);

    int getNumWritten() const noexcept  { return numWritten; }

private:
    juce::File root;
    int numWritten = 0;
};

#pragma once

#include <juce_graphics/juce_graphics.h>

/** The product's face: the editor background and the about screen. */
namespace FaceArtwork
{
    /** The enclosure with every printed name, but without the controls. */
    juce::Image background();

    /** The about screen, dark enough for its grey version text. */
    juce::Image about();
}

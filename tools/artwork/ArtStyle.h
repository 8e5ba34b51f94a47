#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    The one palette and set of type faces that every image is drawn with.

    Fonts are loaded from font files rather than by family name, so the artwork
    comes out the same on any machine that has the two font packages installed.
*/
namespace ArtStyle
{
    // Enclosure: a deep petrol-blue powder coat.
    const juce::Colour enclosureTop    { 0xff24414d };
    const juce::Colour enclosureBottom { 0xff152a33 };
    const juce::Colour enclosureEdge   { 0xff0a1418 };
    const juce::Colour stripDark       { 0xff0d171b };
    const juce::Colour recess          { 0xff0a1317 };

    // Lettering and lamps.
    const juce::Colour cream           { 0xfff1e7cf };
    const juce::Colour creamDim        { 0xff9c9a8c };
    const juce::Colour amber           { 0xffffb23e };
    const juce::Colour amberHot        { 0xffffe2a0 };
    const juce::Colour amberDark       { 0xff4a3210 };
    const juce::Colour lcdLight        { 0xfff3c65c };
    const juce::Colour lcdShade        { 0xffd79a2e };

    // Hardware.
    const juce::Colour knobRim         { 0xff1b1d1f };
    const juce::Colour knobCapTop      { 0xff3a3d40 };
    const juce::Colour knobCapBottom   { 0xff121314 };
    const juce::Colour chromeLight     { 0xffe9ecee };
    const juce::Colour chromeDark      { 0xff6b7379 };
    const juce::Colour buttonTop       { 0xff353b3f };
    const juce::Colour buttonBottom    { 0xff1c2023 };

    // Dialogs.
    const juce::Colour veil            { 0xc8050a0c };
    const juce::Colour dialogCard      { 0xff17262d };
    const juce::Colour dialogBorder    { 0xff3d5a66 };

    /** A condensed bold face for small lettering. */
    juce::Font labelFont (float height);
    /** A geometric face for the product's name and the big titles. */
    juce::Font titleFont (float height);
}

#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    Where the editor and its panels place their controls, in panel pixels. The
    artwork is drawn to fit these bounds and the contact sheet places the
    controls at them.
*/
namespace PanelLayout
{
    using Box = juce::Rectangle<int>;

    const Box panel         { 0, 0, 325, 454 };
    const Box aboutPanel    { 0, 0, 325, 455 };

    // Preset strip along the top.
    const Box fileButton    { 6, 3, 58, 26 };
    const Box presetMenu    { 67, 3, 192, 26 };
    const Box presetDec     { 263, 3, 29, 26 };
    const Box presetInc     { 292, 3, 29, 26 };
    const Box abButton      { 92, 35, 62, 23 };
    const Box abCopyButton  { 163, 30, 75, 25 };

    // The effect's controls.
    const Box syncButton    { 7, 62, 54, 22 };
    const Box stereoButton  { 263, 62, 54, 22 };
    const Box rateKnob      { 14, 126, 73, 72 };
    const Box typeSwitch    { 106, 137, 48, 80 };
    const Box levelKnob     { 237, 126, 73, 72 };
    const Box shapeKnob     { 68, 225, 73, 72 };
    const Box depthKnob     { 180, 225, 73, 72 };
    const Box bypassButton  { 222, 354, 90, 99 };
    const int typeSwitchTravel = 45;

    // Invisible hit areas over printed names.
    const Box type1Label    { 160, 135, 25, 10 };
    const Box type2Label    { 160, 154, 46, 10 };
    const Box type3Label    { 160, 172, 55, 10 };
    const Box aboutArea     { 15, 383, 109, 58 };

    // Dialog panels.
    const Box dialogButton  { 0, 0, 132, 51 };
    const Box alertOkPair   { 16, 307, 132, 51 };
    const Box alertCancel   { 179, 307, 132, 51 };
    const Box alertOkAlone  { 97, 307, 132, 51 };
    const int alertIconTop  = 12;
    const Box newFolderText { 23, 229, 280, 24 };
    const Box browserList   { 12, 59, 300, 275 };
    const Box browserOk     { 179, 336, 132, 51 };
    const Box browserCancel { 179, 386, 132, 51 };
    const Box browserFolder { 16, 336, 132, 51 };
    const Box aboutVersion  { 150, 112, 100, 16 };
}

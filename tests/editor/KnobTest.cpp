#include "FilmStripTestHelpers.h"

#include <VardunKnob.h>
#include <VardunModDelayFreq20HzMaxLog30Knob.h>
#include <VardunModDelaySyncKnob.h>

#include <gtest/gtest.h>

using namespace FilmStripTest;

namespace
{
    constexpr int knobFrames = 101;
    constexpr int syncFrames = 19;

    int frameShown (VardunKnob& knob, double value, int frames)
    {
        knob.setValue (value, juce::dontSendNotification);
        return frameAtCentre (knob, frames);
    }
}

TEST (VardunKnob, ChoosesItsFrameByCeiling)
{
    VardunKnob knob ("shapeKnob_");
    knob.setBounds (0, 0, 16, 16);
    knob.setImage (makeStrip (knobFrames, 8, 8), knobFrames);

    EXPECT_EQ (0, frameShown (knob, 0.0, knobFrames));
    EXPECT_EQ (1, frameShown (knob, 0.001, knobFrames));
    EXPECT_EQ (50, frameShown (knob, 0.5, knobFrames));
    EXPECT_EQ (51, frameShown (knob, 0.5001, knobFrames));
    EXPECT_EQ (100, frameShown (knob, 0.995, knobFrames));
    EXPECT_EQ (100, frameShown (knob, 1.0, knobFrames));
}

TEST (VardunKnob, IsAContinuousRotaryWithoutTextBox)
{
    VardunKnob knob ("depthKnob_");
    EXPECT_EQ (juce::Slider::RotaryVerticalDrag, knob.getSliderStyle());
    EXPECT_EQ (juce::Slider::NoTextBox, knob.getTextBoxPosition());
    EXPECT_FALSE (knob.isTextBoxEditable());
    EXPECT_EQ (0.0, knob.getMinimum());
    EXPECT_EQ (1.0, knob.getMaximum());
    EXPECT_EQ (0.0, knob.getInterval());
    EXPECT_EQ (juce::String ("depthKnob_"), knob.getName());
}

TEST (VardunKnob, StretchesItsFrameToItsBounds)
{
    VardunKnob knob ("levelKnob_");
    knob.setBounds (0, 0, 146, 144);
    knob.setImage (makeStrip (knobFrames, 73, 72), knobFrames);
    knob.setValue (0.25, juce::dontSendNotification);

    const auto image = render (knob);
    EXPECT_EQ (25, frameAt (image, 140, 140, knobFrames));
    EXPECT_EQ (25, frameAt (image, 5, 5, knobFrames));
}

TEST (VardunKnob, DrawsNothingWithoutAnImage)
{
    VardunKnob knob ("rateKnob_");
    knob.setBounds (0, 0, 20, 20);
    knob.setValue (0.5, juce::dontSendNotification);
    EXPECT_TRUE (isBlank (render (knob)));

    knob.setImage (makeStrip (knobFrames, 8, 8), knobFrames);
    EXPECT_FALSE (isBlank (render (knob)));

    knob.setImage (juce::Image(), knobFrames);
    EXPECT_TRUE (isBlank (render (knob)));
}

TEST (VardunKnob, SharesTheStripsPixelsInsteadOfCopying)
{
    VardunKnob knob ("shapeKnob_");
    knob.setBounds (0, 0, 8, 8);
    auto strip = makeStrip (knobFrames, 8, 8);
    knob.setImage (strip, knobFrames);

    strip.clear (strip.getBounds(), frameColour (7));   // repaint the shared pixels
    knob.setValue (0.0, juce::dontSendNotification);
    EXPECT_EQ (7, frameAtCentre (knob, knobFrames));
}

TEST (VardunModDelaySyncKnob, SnapsToNineteenStepsThatShowTheirOwnFrameAndLabel)
{
    const char* const labels[] = { "8/1", "4/1", "2/1", "1/1", "1/2D", "1/2", "1/2T", "1/4D", "1/4", "1/4T",
                                   "1/8D", "1/8", "1/8T", "1/16D", "1/16", "1/16T", "1/32D", "1/32", "1/32T" };

    VardunModDelaySyncKnob knob ("rateSyncKnob_");
    knob.setBounds (0, 0, 8, 8);
    knob.setImage (makeStrip (syncFrames, 8, 8), syncFrames);
    EXPECT_EQ (0.05524861812591553, knob.getInterval());

    for (int step = 0; step < syncFrames; ++step)
    {
        knob.setValue (step / 18.0, juce::dontSendNotification);   // a value restored from a preset
        EXPECT_DOUBLE_EQ (step * 0.05524861812591553, knob.getValue()) << "step " << step;
        EXPECT_EQ (step, frameAtCentre (knob, syncFrames)) << "step " << step;
        EXPECT_EQ (juce::String (labels[step]), knob.getTextFromValue (knob.getValue())) << "step " << step;
    }

    knob.setValue (1.0, juce::dontSendNotification);
    EXPECT_DOUBLE_EQ (0.9944751262664795, knob.getValue());
    EXPECT_EQ (juce::String ("1/32T"), knob.getTextFromValue (knob.getValue()));
}

TEST (VardunModDelaySyncKnob, LabelsFollowSinglePrecisionThresholds)
{
    VardunModDelaySyncKnob knob ("rateSyncKnob_");
    const float t1 = 0.0555555559694767f;
    const float t17 = 0.9444444179534912f;

    // The knob sends its value as a float: a double just above a bound plays, and reads, the note below it.
    const std::pair<double, const char*> cases[] = {
        { 0.0, "8/1" }, { -0.2, "8/1" }, { 1.0e-9, "4/1" }, { t1, "4/1" }, { std::nextafter ((double) t1, 1.0), "4/1" },
        { std::nextafter (t1, 1.0f), "2/1" }, { 0.06, "2/1" }, { 0.5, "1/4T" }, { t17, "1/32" }, { 0.9444444179534913, "1/32" },
        { std::nextafter (t17, 1.0f), "1/32T" }, { 1.0, "1/32T" }, { 1.5, "1/32T" },
    };

    for (const auto& [value, label] : cases)
        EXPECT_EQ (knob.getTextFromValue (value), juce::String (label)) << value;
}

TEST (VardunModDelayFreq20HzMaxLog30Knob, ReadsHertzWithTwoDecimalsAndNeverZero)
{
    VardunModDelayFreq20HzMaxLog30Knob knob ("rateKnob_");

    EXPECT_EQ (juce::String ("0.01 Hz"), knob.getTextFromValue (0.0));
    EXPECT_EQ (juce::String ("0.01 Hz"), knob.getTextFromValue (0.0001));
    EXPECT_EQ (juce::String ("6.00 Hz"), knob.getTextFromValue (0.5));
    EXPECT_EQ (juce::String ("20.00 Hz"), knob.getTextFromValue (1.0));
    EXPECT_EQ (juce::String ("1.00 Hz"), knob.getTextFromValue (std::log (1.0 + 4.445 / 20.0) / std::log (5.445)));
    EXPECT_EQ (0.0, knob.getInterval());
}

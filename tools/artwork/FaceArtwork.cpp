#include "FaceArtwork.h"
#include "ArtPainter.h"
#include "ArtStyle.h"
#include "PanelLayout.h"

namespace
{
    using Area = juce::Rectangle<float>;
    using juce::Justification;

    const float nameHeight = 11.0f;
    const float nameTracking = 0.16f;
    const float nameGap = 3.0f;

    /** The name printed under a knob, centred on it. */
    void knobName (juce::Graphics& g, const juce::String& name, PanelLayout::Box knob)
    {
        const auto box = knob.toFloat().withY ((float) knob.getBottom() + nameGap).withHeight (nameHeight + 2.0f);
        ArtPainter::text (g, name, ArtStyle::labelFont (nameHeight), ArtStyle::cream, box, Justification::centred, nameTracking);
    }

    void enclosure (juce::Graphics& g, Area area)
    {
        g.fillAll (ArtStyle::enclosureEdge);

        juce::ColourGradient coat (ArtStyle::enclosureTop, 0.0f, area.getY(), ArtStyle::enclosureBottom, 0.0f, area.getBottom(), false);
        g.setGradientFill (coat);
        g.fillRoundedRectangle (area.reduced (2.0f), 12.0f);

        g.setColour (juce::Colours::white.withAlpha (0.09f));
        g.drawRoundedRectangle (area.reduced (2.5f), 12.0f, 1.0f);
    }

    void presetStrip (juce::Graphics& g)
    {
        const Area strip (4.0f, 0.0f, 317.0f, 32.0f);
        g.setColour (ArtStyle::stripDark);
        g.fillRoundedRectangle (strip.withTrimmedTop (-8.0f), 8.0f);
        g.setColour (juce::Colours::white.withAlpha (0.08f));
        g.drawHorizontalLine (32, 6.0f, 319.0f);

        // The lit window behind the preset name.
        const auto window = PanelLayout::presetMenu.toFloat();
        ArtPainter::recess (g, window, 3.0f, ArtStyle::lcdLight);
        juce::ColourGradient backlight (ArtStyle::lcdLight.brighter (0.15f), 0.0f, window.getY(),
                                        ArtStyle::lcdShade, 0.0f, window.getBottom(), false);
        g.setGradientFill (backlight);
        g.fillRoundedRectangle (window.reduced (1.0f), 2.5f);
        juce::ColourGradient shade (juce::Colours::black.withAlpha (0.35f), 0.0f, window.getY(),
                                    juce::Colours::transparentBlack, 0.0f, window.getY() + 5.0f, false);
        g.setGradientFill (shade);
        g.fillRoundedRectangle (window.reduced (1.0f), 2.5f);
    }

    void slotLabels (juce::Graphics& g)
    {
        const auto font = ArtStyle::labelFont (8.5f);
        const auto ab = PanelLayout::abButton.toFloat();
        ArtPainter::text (g, "SLOT", font, ArtStyle::creamDim, ab.withX (ab.getX() - 40.0f).withWidth (36.0f),
                          Justification::centredRight, 0.15f);
        const auto copy = PanelLayout::abCopyButton.toFloat();
        ArtPainter::text (g, "COPY", font, ArtStyle::creamDim, copy.withX (copy.getRight() + 5.0f).withWidth (40.0f).withY (ab.getY()).withHeight (ab.getHeight()),
                          Justification::centredLeft, 0.15f);
    }

    void heading (juce::Graphics& g)
    {
        const Area titleBox (64.0f, 63.0f, 197.0f, 20.0f);
        ArtPainter::text (g, "STEREO TREMOLO", ArtStyle::labelFont (12.0f), ArtStyle::cream, titleBox, Justification::centred, 0.32f);

        // The lamp wave: the product's motif, glowing amber.
        const Area waveBox (84.0f, 88.0f, 157.0f, 22.0f);
        ArtPainter::wave (g, waveBox, ArtPainter::Wave::sine, ArtStyle::amber.withAlpha (0.18f), 6.0f, 2.0f);
        ArtPainter::wave (g, waveBox, ArtPainter::Wave::sine, ArtStyle::amber, 2.0f, 2.0f);
    }

    void typeNames (juce::Graphics& g)
    {
        const auto font = ArtStyle::labelFont (10.5f);
        ArtPainter::text (g, "SINE", font, ArtStyle::cream, PanelLayout::type1Label.toFloat().expanded (0.0f, 2.0f), Justification::centredLeft, 0.04f);
        ArtPainter::text (g, "SQUARE", font, ArtStyle::cream, PanelLayout::type2Label.toFloat().expanded (0.0f, 2.0f), Justification::centredLeft, 0.04f);
        ArtPainter::text (g, "TRIANGLE", font, ArtStyle::cream, PanelLayout::type3Label.toFloat().expanded (0.0f, 2.0f), Justification::centredLeft, 0.04f);

        const auto sw = PanelLayout::typeSwitch.toFloat();
        ArtPainter::text (g, "WAVE", ArtStyle::labelFont (nameHeight), ArtStyle::cream,
                          Area (sw.getX() - 10.0f, sw.getY() - 17.0f, sw.getWidth() + 20.0f, 13.0f), Justification::centred, nameTracking);
    }

    void makerPlate (juce::Graphics& g)
    {
        const auto plate = PanelLayout::aboutArea.toFloat();
        ArtPainter::recess (g, plate, 5.0f, ArtStyle::enclosureBottom.darker (0.35f));

        ArtPainter::text (g, "VARDUN", ArtStyle::labelFont (9.0f), ArtStyle::creamDim,
                          plate.withHeight (17.0f).translated (0.0f, 4.0f), Justification::centred, 0.55f);
        ArtPainter::text (g, "LUMIVER", ArtStyle::titleFont (23.0f), ArtStyle::cream,
                          plate.withY (plate.getY() + 17.0f).withHeight (23.0f), Justification::centred, 0.08f);
        ArtPainter::text (g, "PX2741", ArtStyle::labelFont (10.0f), ArtStyle::amber,
                          plate.withY (plate.getY() + 40.0f).withHeight (13.0f), Justification::centred, 0.45f);
    }

    void footswitchArea (juce::Graphics& g)
    {
        const auto sw = PanelLayout::bypassButton.toFloat();
        ArtPainter::text (g, "ON / OFF", ArtStyle::labelFont (9.0f), ArtStyle::creamDim,
                          Area (sw.getX() - 82.0f, sw.getBottom() - 22.0f, 76.0f, 12.0f), Justification::centredRight, 0.2f);
    }
}

namespace FaceArtwork
{
    juce::Image background()
    {
        juce::Image image (juce::Image::ARGB, PanelLayout::panel.getWidth(), PanelLayout::panel.getHeight(), true);
        juce::Graphics g (image);

        enclosure (g, PanelLayout::panel.toFloat());
        presetStrip (g);
        slotLabels (g);
        heading (g);

        knobName (g, "RATE", PanelLayout::rateKnob);
        knobName (g, "LEVEL", PanelLayout::levelKnob);
        knobName (g, "SHAPE", PanelLayout::shapeKnob);
        knobName (g, "DEPTH", PanelLayout::depthKnob);
        typeNames (g);

        g.setColour (juce::Colours::black.withAlpha (0.35f));
        g.drawHorizontalLine (333, 18.0f, 307.0f);
        g.setColour (juce::Colours::white.withAlpha (0.07f));
        g.drawHorizontalLine (334, 18.0f, 307.0f);

        makerPlate (g);
        footswitchArea (g);

        for (auto centre : { juce::Point<float> (14.0f, 45.0f), juce::Point<float> (311.0f, 45.0f),
                             juce::Point<float> (14.0f, 320.0f), juce::Point<float> (311.0f, 320.0f) })
            ArtPainter::screw (g, centre, 4.5f);

        return image;
    }

    juce::Image about()
    {
        juce::Image image (juce::Image::ARGB, PanelLayout::aboutPanel.getWidth(), PanelLayout::aboutPanel.getHeight(), true);
        juce::Graphics g (image);
        const auto area = PanelLayout::aboutPanel.toFloat();

        g.fillAll (ArtStyle::enclosureEdge);
        juce::ColourGradient coat (ArtStyle::dialogCard.brighter (0.1f), 0.0f, 0.0f, ArtStyle::enclosureEdge, 0.0f, area.getBottom(), false);
        g.setGradientFill (coat);
        g.fillRoundedRectangle (area.reduced (2.0f), 12.0f);

        ArtPainter::text (g, "VARDUN", ArtStyle::labelFont (11.0f), ArtStyle::creamDim, Area (0.0f, 24.0f, area.getWidth(), 14.0f),
                          Justification::centred, 0.6f);
        ArtPainter::text (g, "LUMIVER", ArtStyle::titleFont (46.0f), ArtStyle::cream, Area (0.0f, 40.0f, area.getWidth(), 46.0f),
                          Justification::centred, 0.06f);
        ArtPainter::text (g, "PX2741  STEREO TREMOLO", ArtStyle::labelFont (11.0f), ArtStyle::amber, Area (0.0f, 88.0f, area.getWidth(), 14.0f),
                          Justification::centred, 0.3f);

        // "Version" sits just left of the version text that the about screen prints.
        const auto version = PanelLayout::aboutVersion.toFloat();
        ArtPainter::text (g, "Version", ArtStyle::labelFont (12.0f), ArtStyle::creamDim,
                          version.withX (version.getX() - 80.0f).withWidth (74.0f), Justification::centredRight, 0.05f);

        const Area waveBox (40.0f, 160.0f, 245.0f, 60.0f);
        for (auto type : { ArtPainter::Wave::sine, ArtPainter::Wave::triangle, ArtPainter::Wave::square })
            ArtPainter::wave (g, waveBox, type, ArtStyle::amber.withAlpha (0.35f), 1.5f, 2.0f);
        ArtPainter::wave (g, waveBox, ArtPainter::Wave::sine, ArtStyle::amber, 2.5f, 2.0f);

        const auto body = ArtStyle::labelFont (12.0f);
        const char* const lines[] = { "Stereo tremolo with sine, square and triangle waves,",
                                      "free or tempo-synced rate, and A/B settings",
                                      "in every program.",
                                      "",
                                      "Designed and built by Vardun." };
        float y = 250.0f;
        for (auto* line : lines)
        {
            ArtPainter::text (g, line, body, ArtStyle::cream.withAlpha (0.85f), Area (10.0f, y, area.getWidth() - 20.0f, 16.0f), Justification::centred);
            y += 18.0f;
        }

        ArtPainter::text (g, "CLICK ANYWHERE TO CLOSE", ArtStyle::labelFont (9.0f), ArtStyle::creamDim,
                          Area (0.0f, area.getBottom() - 34.0f, area.getWidth(), 12.0f), Justification::centred, 0.3f);
        return image;
    }
}

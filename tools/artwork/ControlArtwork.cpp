#include "ControlArtwork.h"
#include "ArtPainter.h"
#include "ArtStyle.h"
#include "PanelLayout.h"

namespace
{
    using Area = juce::Rectangle<float>;
    using juce::Justification;

    const char* const noteValues[] = { "8/1", "4/1", "2/1", "1/1", "1/2D", "1/2", "1/2T",
                                       "1/4D", "1/4", "1/4T", "1/8D", "1/8", "1/8T",
                                       "1/16D", "1/16", "1/16T", "1/32D", "1/32", "1/32T" };

    /** Builds a strip of frames, each starting from the face under the control. */
    template <typename DrawFrame>
    juce::Image strip (const juce::Image& face, ControlArtwork::Box bounds, int frames, DrawFrame&& drawFrame)
    {
        juce::Image image (juce::Image::ARGB, bounds.getWidth(), bounds.getHeight() * frames, true);
        juce::Graphics g (image);
        const auto under = face.getClippedImage (bounds);

        for (int i = 0; i < frames; ++i)
        {
            juce::Graphics::ScopedSaveState state (g);
            g.setOrigin (0, i * bounds.getHeight());
            g.reduceClipRegion (0, 0, bounds.getWidth(), bounds.getHeight());
            g.drawImageAt (under, 0, 0);
            drawFrame (g, bounds.withZeroOrigin().toFloat(), i);
        }

        return image;
    }

    void centredLabel (juce::Graphics& g, const juce::String& label, Area area, bool lit, float height = 11.0f)
    {
        ArtPainter::text (g, label, ArtStyle::labelFont (height), lit ? ArtStyle::amber : ArtStyle::cream,
                          area, Justification::centred, 0.12f);
    }
}

namespace ControlArtwork
{
    juce::Image knob (const juce::Image& face, Box bounds, int frames, bool synced)
    {
        return strip (face, bounds, frames, [&] (juce::Graphics& g, Area area, int i)
        {
            const double proportion = (double) i / (frames - 1);
            ArtPainter::knob (g, area, proportion, synced ? juce::String (noteValues[i]) : juce::String());
        });
    }

    juce::Image typeSwitch (const juce::Image& face)
    {
        // Handle centres and lamps line up with the printed SINE, SQUARE, TRIANGLE.
        const float handleCentres[] = { 7.0f, 23.5f, 40.0f };
        const float lampCentres[] = { 4.5f, 22.0f, 40.0f };
        const ArtPainter::Wave waves[] = { ArtPainter::Wave::sine, ArtPainter::Wave::square, ArtPainter::Wave::triangle };

        return strip (face, PanelLayout::typeSwitch, 3, [&] (juce::Graphics& g, Area, int i)
        {
            ArtPainter::recess (g, Area (11.0f, 1.0f, 10.0f, 46.0f), 4.0f, ArtStyle::recess);

            for (int k = 0; k < 3; ++k)
                ArtPainter::led (g, { 41.0f, lampCentres[k] }, 2.8f, k == i);

            const Area handle (4.0f, handleCentres[i] - 5.5f, 24.0f, 11.0f);
            g.setColour (juce::Colours::black.withAlpha (0.5f));
            g.fillRoundedRectangle (handle.translated (0.0f, 1.5f), 3.0f);
            juce::ColourGradient chrome (ArtStyle::chromeLight, 0.0f, handle.getY(), ArtStyle::chromeDark, 0.0f, handle.getBottom(), false);
            g.setGradientFill (chrome);
            g.fillRoundedRectangle (handle, 3.0f);
            g.setColour (ArtStyle::chromeDark.darker (0.6f));
            for (int line = -1; line <= 1; ++line)
                g.drawHorizontalLine ((int) handle.getCentreY() + line * 3, handle.getX() + 4.0f, handle.getRight() - 4.0f);

            // The chosen wave, lit in a little window below the switch.
            const Area window (4.0f, 54.0f, 40.0f, 22.0f);
            ArtPainter::recess (g, window, 3.0f, ArtStyle::recess);
            ArtPainter::wave (g, window.reduced (6.0f, 6.0f), waves[i], ArtStyle::amber, 1.8f);
        });
    }

    juce::Image footswitch (const juce::Image& face)
    {
        return strip (face, PanelLayout::bypassButton, 4, [&] (juce::Graphics& g, Area area, int i)
        {
            const bool on = i >= 2;
            const bool pressed = (i % 2) == 1;
            const float cx = area.getCentreX();

            ArtPainter::led (g, { cx, 13.0f }, 5.5f, on);

            // Hex nut, then the chrome plunger.
            const juce::Point<float> centre (cx, 61.0f);
            juce::Path nut;
            nut.addPolygon (centre, 6, 26.0f, juce::MathConstants<float>::pi / 6.0f);
            g.setColour (juce::Colours::black.withAlpha (0.55f));
            g.fillPath (nut, juce::AffineTransform::translation (0.0f, 2.5f));
            juce::ColourGradient nutFill (ArtStyle::chromeLight.darker (0.15f), cx - 20.0f, 38.0f, ArtStyle::chromeDark.darker (0.4f), cx + 20.0f, 86.0f, false);
            g.setGradientFill (nutFill);
            g.fillPath (nut);
            g.setColour (juce::Colours::black.withAlpha (0.4f));
            g.strokePath (nut, juce::PathStrokeType (1.0f));

            const float capRadius = pressed ? 15.5f : 17.0f;
            const auto capCentre = centre.translated (0.0f, pressed ? 1.5f : 0.0f);
            const Area cap (capCentre.x - capRadius, capCentre.y - capRadius, capRadius * 2.0f, capRadius * 2.0f);
            g.setColour (juce::Colours::black.withAlpha (0.6f));
            g.fillEllipse (cap.expanded (2.0f).translated (0.0f, pressed ? 0.5f : 2.0f));
            juce::ColourGradient capFill (pressed ? ArtStyle::chromeDark : ArtStyle::chromeLight, cap.getTopLeft(),
                                          pressed ? ArtStyle::chromeDark.darker (0.7f) : ArtStyle::chromeDark.darker (0.3f), cap.getBottomRight(), false);
            g.setGradientFill (capFill);
            g.fillEllipse (cap);
            g.setColour (juce::Colours::white.withAlpha (pressed ? 0.15f : 0.45f));
            g.drawEllipse (cap.reduced (3.0f), 1.0f);
        });
    }

    juce::Image pushButton (const juce::Image& face, Box bounds, const juce::String& label)
    {
        return strip (face, bounds, 2, [&] (juce::Graphics& g, Area area, int i)
        {
            const bool pressed = i == 1;
            ArtPainter::buttonBody (g, area.reduced (1.5f), pressed);
            centredLabel (g, label, area.translated (0.0f, pressed ? 1.0f : 0.0f), pressed, 10.5f);
        });
    }

    juce::Image arrowButton (const juce::Image& face, Box bounds, bool pointsLeft)
    {
        return strip (face, bounds, 2, [&] (juce::Graphics& g, Area area, int i)
        {
            const bool pressed = i == 1;
            ArtPainter::buttonBody (g, area.reduced (1.5f), pressed);

            const auto c = area.getCentre().translated (0.0f, pressed ? 1.0f : 0.0f);
            const float d = pointsLeft ? -1.0f : 1.0f;
            juce::Path arrow;
            arrow.addTriangle (c.x + 4.5f * d, c.y, c.x - 3.5f * d, c.y - 5.5f, c.x - 3.5f * d, c.y + 5.5f);
            g.setColour (pressed ? ArtStyle::amber : ArtStyle::cream);
            g.fillPath (arrow);
        });
    }

    juce::Image lampToggle (const juce::Image& face, Box bounds, const juce::String& label)
    {
        return strip (face, bounds, 2, [&] (juce::Graphics& g, Area area, int i)
        {
            const bool on = i == 1;
            const auto body = area.reduced (1.5f);
            ArtPainter::buttonBody (g, body, on);
            ArtPainter::led (g, { body.getX() + 7.5f, body.getCentreY() + (on ? 0.5f : 0.0f) }, 2.6f, on);
            ArtPainter::text (g, label, ArtStyle::labelFont (9.0f), on ? ArtStyle::amber : ArtStyle::cream,
                              body.withTrimmedLeft (12.0f).withTrimmedRight (1.0f).translated (0.0f, on ? 0.5f : 0.0f), Justification::centred, 0.04f);
        });
    }

    juce::Image slotSwitch (const juce::Image& face, Box bounds)
    {
        return strip (face, bounds, 2, [&] (juce::Graphics& g, Area area, int i)
        {
            const auto body = area.reduced (1.0f);
            ArtPainter::recess (g, body, 4.0f, ArtStyle::recess);

            const auto halfA = body.withWidth (body.getWidth() / 2.0f).reduced (2.0f);
            const auto halfB = halfA.withX (body.getCentreX() + 2.0f);
            const auto active = i == 0 ? halfA : halfB;
            ArtPainter::buttonBody (g, active, false, 3.0f);

            centredLabel (g, "A", halfA, i == 0, 12.0f);
            centredLabel (g, "B", halfB, i == 1, 12.0f);
        });
    }
}

#include "ArtPainter.h"
#include "ArtStyle.h"

namespace
{
    constexpr float knobSweep = juce::MathConstants<float>::pi * 0.75f;   // +-135 degrees
    constexpr int syncSteps = 19;

    juce::Point<float> onCircle (juce::Point<float> centre, float radius, float angle)
    {
        return centre.getPointOnCircumference (radius, angle);
    }
}

namespace ArtPainter
{
    void text (juce::Graphics& g, const juce::String& s, const juce::Font& font, juce::Colour colour,
               Area box, juce::Justification justification, float tracking)
    {
        g.setColour (colour);
        g.setFont (font.withExtraKerningFactor (tracking));
        g.drawText (s, box, justification, false);
    }

    void recess (juce::Graphics& g, Area area, float cornerSize, juce::Colour fill)
    {
        g.setColour (juce::Colours::white.withAlpha (0.10f));
        g.fillRoundedRectangle (area.translated (0.0f, 1.0f).expanded (0.5f), cornerSize);
        g.setColour (juce::Colours::black.withAlpha (0.55f));
        g.fillRoundedRectangle (area.expanded (0.5f), cornerSize);
        g.setColour (fill);
        g.fillRoundedRectangle (area, cornerSize);

        // Inner shadow along the top edge.
        juce::ColourGradient shade (juce::Colours::black.withAlpha (0.45f), 0.0f, area.getY(),
                                    juce::Colours::transparentBlack, 0.0f, area.getY() + juce::jmin (6.0f, area.getHeight() * 0.4f), false);
        g.setGradientFill (shade);
        g.fillRoundedRectangle (area, cornerSize);
    }

    void led (juce::Graphics& g, juce::Point<float> centre, float radius, bool lit)
    {
        const Area lamp (centre.x - radius, centre.y - radius, radius * 2.0f, radius * 2.0f);

        if (lit)
        {
            juce::ColourGradient glow (ArtStyle::amber.withAlpha (0.55f), centre,
                                       ArtStyle::amber.withAlpha (0.0f), centre.translated (radius * 2.6f, 0.0f), true);
            g.setGradientFill (glow);
            g.fillEllipse (lamp.expanded (radius * 1.6f));
        }

        g.setColour (juce::Colours::black.withAlpha (0.7f));
        g.fillEllipse (lamp.expanded (1.0f));

        juce::ColourGradient body (lit ? ArtStyle::amberHot : ArtStyle::amberDark.brighter (0.3f),
                                   centre.translated (-radius * 0.3f, -radius * 0.4f),
                                   lit ? ArtStyle::amber : ArtStyle::amberDark.darker (0.6f),
                                   centre.translated (radius, radius), true);
        g.setGradientFill (body);
        g.fillEllipse (lamp);

        g.setColour (juce::Colours::white.withAlpha (lit ? 0.8f : 0.25f));
        g.fillEllipse (centre.x - radius * 0.45f, centre.y - radius * 0.6f, radius * 0.5f, radius * 0.4f);
    }

    void buttonBody (juce::Graphics& g, Area area, bool pressed, float cornerSize)
    {
        g.setColour (juce::Colours::black.withAlpha (0.6f));
        g.fillRoundedRectangle (area.translated (0.0f, pressed ? 0.5f : 1.5f), cornerSize);

        const auto body = pressed ? area.reduced (0.5f).translated (0.0f, 1.0f) : area.withTrimmedBottom (1.0f);
        juce::ColourGradient fill (pressed ? ArtStyle::buttonBottom : ArtStyle::buttonTop, 0.0f, body.getY(),
                                   pressed ? ArtStyle::buttonTop.darker (0.3f) : ArtStyle::buttonBottom, 0.0f, body.getBottom(), false);
        g.setGradientFill (fill);
        g.fillRoundedRectangle (body, cornerSize);

        g.setColour (juce::Colours::white.withAlpha (pressed ? 0.06f : 0.16f));
        g.drawRoundedRectangle (body.reduced (0.5f), cornerSize, 1.0f);
    }

    void screw (juce::Graphics& g, juce::Point<float> centre, float radius)
    {
        const Area head (centre.x - radius, centre.y - radius, radius * 2.0f, radius * 2.0f);
        g.setColour (juce::Colours::black.withAlpha (0.5f));
        g.fillEllipse (head.expanded (1.0f).translated (0.0f, 0.8f));
        juce::ColourGradient fill (ArtStyle::chromeLight, head.getTopLeft(), ArtStyle::chromeDark, head.getBottomRight(), false);
        g.setGradientFill (fill);
        g.fillEllipse (head);

        g.setColour (ArtStyle::chromeDark.darker (0.8f));
        const float arm = radius * 0.62f;
        g.drawLine (centre.x - arm, centre.y - arm * 0.3f, centre.x + arm, centre.y + arm * 0.3f, 1.2f);
        g.drawLine (centre.x - arm * 0.3f, centre.y + arm, centre.x + arm * 0.3f, centre.y - arm, 1.2f);
    }

    void wave (juce::Graphics& g, Area area, Wave type, juce::Colour colour, float thickness, float periods)
    {
        juce::Path p;
        const int steps = 96;

        for (int i = 0; i <= steps; ++i)
        {
            const float t = (float) i / (float) steps;
            const float phase = std::fmod (t * periods, 1.0f);
            float y = 0.0f;

            switch (type)
            {
                case Wave::sine:     y = std::sin (phase * juce::MathConstants<float>::twoPi); break;
                case Wave::square:   y = phase < 0.5f ? 1.0f : -1.0f; break;
                case Wave::triangle: y = phase < 0.25f ? phase * 4.0f : (phase < 0.75f ? 2.0f - phase * 4.0f : phase * 4.0f - 4.0f); break;
            }

            const juce::Point<float> pt (area.getX() + t * area.getWidth(), area.getCentreY() - y * area.getHeight() * 0.5f);

            if (i == 0)
                p.startNewSubPath (pt);
            else
                p.lineTo (pt);
        }

        g.setColour (colour);
        g.strokePath (p, juce::PathStrokeType (thickness, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    }

    float knobAngle (double proportion)
    {
        return -knobSweep + (float) proportion * 2.0f * knobSweep;
    }

    void knob (juce::Graphics& g, Area frame, double proportion, const juce::String& noteText)
    {
        const auto centre = frame.getCentre().translated (0.0f, 1.0f);
        const float arcRadius = 30.5f;
        const float skirtRadius = 23.5f;
        const float capRadius = 17.5f;
        const float angle = knobAngle (proportion);
        const bool synced = noteText.isNotEmpty();

        // Value scale: a continuous arc, or 19 dots for the note values.
        if (synced)
        {
            const int lit = juce::roundToInt (proportion * (syncSteps - 1));

            for (int s = 0; s < syncSteps; ++s)
            {
                const auto dot = onCircle (centre, arcRadius, knobAngle ((double) s / (syncSteps - 1)));
                const float r = (s % 3 == 0) ? 2.0f : 1.5f;
                g.setColour (s <= lit ? ArtStyle::amber : ArtStyle::recess.brighter (0.25f));
                g.fillEllipse (dot.x - r, dot.y - r, r * 2.0f, r * 2.0f);
            }
        }
        else
        {
            juce::Path track;
            track.addCentredArc (centre.x, centre.y, arcRadius, arcRadius, 0.0f, -knobSweep, knobSweep, true);
            g.setColour (ArtStyle::recess);
            g.strokePath (track, juce::PathStrokeType (4.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));

            if (proportion > 0.0)
            {
                juce::Path value;
                value.addCentredArc (centre.x, centre.y, arcRadius, arcRadius, 0.0f, -knobSweep, angle, true);
                g.setColour (ArtStyle::amber.withAlpha (0.25f));
                g.strokePath (value, juce::PathStrokeType (5.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
                g.setColour (ArtStyle::amber);
                g.strokePath (value, juce::PathStrokeType (2.6f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
            }
        }

        // Drop shadow, knurled skirt, then the cap lit from the top left.
        const Area skirt (centre.x - skirtRadius, centre.y - skirtRadius, skirtRadius * 2.0f, skirtRadius * 2.0f);
        g.setColour (juce::Colours::black.withAlpha (0.45f));
        g.fillEllipse (skirt.expanded (1.5f).translated (0.0f, 2.0f));
        g.setColour (ArtStyle::knobRim);
        g.fillEllipse (skirt);

        g.setColour (juce::Colours::white.withAlpha (0.07f));
        for (int i = 0; i < 36; ++i)
        {
            const float a = angle + (float) i * juce::MathConstants<float>::twoPi / 36.0f;
            g.drawLine (juce::Line<float> (onCircle (centre, capRadius + 1.0f, a), onCircle (centre, skirtRadius - 0.5f, a)), 1.0f);
        }

        const Area cap (centre.x - capRadius, centre.y - capRadius, capRadius * 2.0f, capRadius * 2.0f);
        juce::ColourGradient capFill (ArtStyle::knobCapTop, cap.getTopLeft(), ArtStyle::knobCapBottom, cap.getBottomRight(), false);
        g.setGradientFill (capFill);
        g.fillEllipse (cap);
        g.setColour (juce::Colours::white.withAlpha (0.12f));
        g.drawEllipse (cap.reduced (0.5f), 1.0f);

        // Pointer: a cream line on the free knobs, a notch on the skirt of the synced one.
        const float inner = synced ? capRadius + 0.5f : 5.0f;
        g.setColour (ArtStyle::cream);
        g.drawLine (juce::Line<float> (onCircle (centre, inner, angle), onCircle (centre, skirtRadius - 1.0f, angle)), 3.0f);

        if (synced)
            text (g, noteText, ArtStyle::labelFont (10.5f), ArtStyle::amber, cap.reduced (1.0f), juce::Justification::centred);
    }
}

#include "DialogArtwork.h"
#include "ArtPainter.h"
#include "ArtStyle.h"
#include "PanelLayout.h"

namespace
{
    using Area = juce::Rectangle<float>;
    using juce::Justification;

    /** Centre of the icon within its overlay; the alert draws the overlay 12 px down. */
    const juce::Point<float> iconCentre (162.5f, 58.0f);
    const float iconRadius = 27.0f;

    juce::Image blankPanel()
    {
        return juce::Image (juce::Image::ARGB, PanelLayout::panel.getWidth(), PanelLayout::panel.getHeight(), true);
    }

    void veilAndCard (juce::Graphics& g, Area card)
    {
        g.fillAll (ArtStyle::veil);

        g.setColour (juce::Colours::black.withAlpha (0.5f));
        g.fillRoundedRectangle (card.expanded (2.0f).translated (0.0f, 3.0f), 12.0f);
        juce::ColourGradient fill (ArtStyle::dialogCard.brighter (0.12f), 0.0f, card.getY(), ArtStyle::dialogCard, 0.0f, card.getBottom(), false);
        g.setGradientFill (fill);
        g.fillRoundedRectangle (card, 10.0f);
        g.setColour (ArtStyle::dialogBorder);
        g.drawRoundedRectangle (card.reduced (0.5f), 10.0f, 1.0f);
    }

    void iconRing (juce::Graphics& g, juce::Colour colour)
    {
        const Area ring (iconCentre.x - iconRadius, iconCentre.y - iconRadius, iconRadius * 2.0f, iconRadius * 2.0f);
        g.setColour (colour.withAlpha (0.18f));
        g.fillEllipse (ring.expanded (4.0f));
        g.setColour (ArtStyle::recess);
        g.fillEllipse (ring);
        g.setColour (colour);
        g.drawEllipse (ring.reduced (1.5f), 3.0f);
    }

    void face (juce::Graphics& g, juce::Colour colour, bool smiling)
    {
        const auto c = iconCentre;
        g.setColour (colour);
        g.fillEllipse (c.x - 9.0f, c.y - 9.0f, 5.0f, 6.0f);
        g.fillEllipse (c.x + 4.0f, c.y - 9.0f, 5.0f, 6.0f);

        juce::Path mouth;
        const float y = smiling ? c.y + 3.0f : c.y + 13.0f;
        mouth.startNewSubPath (c.x - 10.0f, y);
        mouth.quadraticTo (c.x, smiling ? y + 11.0f : y - 10.0f, c.x + 10.0f, y);
        g.strokePath (mouth, juce::PathStrokeType (3.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    }
}

namespace DialogArtwork
{
    juce::Image dialogBox()
    {
        auto image = blankPanel();
        juce::Graphics g (image);
        veilAndCard (g, Area (8.0f, 10.0f, 309.0f, 360.0f));
        return image;
    }

    juce::Image fileBrowser()
    {
        auto image = blankPanel();
        juce::Graphics g (image);
        veilAndCard (g, Area (4.0f, 4.0f, 317.0f, 442.0f));

        g.setColour (juce::Colours::white.withAlpha (0.07f));
        g.drawHorizontalLine (52, 16.0f, 309.0f);
        ArtPainter::recess (g, PanelLayout::browserList.toFloat().expanded (1.0f), 3.0f, ArtStyle::recess);
        return image;
    }

    juce::Image icon (Icon type)
    {
        auto image = blankPanel();
        juce::Graphics g (image);

        switch (type)
        {
            case Icon::asterisk:
            {
                iconRing (g, ArtStyle::amber);
                g.setColour (ArtStyle::amber);
                for (int k = 0; k < 3; ++k)
                {
                    const float a = (float) k * juce::MathConstants<float>::pi / 3.0f;
                    const auto d = juce::Point<float> (std::sin (a), -std::cos (a)) * 13.0f;
                    g.drawLine (juce::Line<float> (iconCentre - d, iconCentre + d), 4.0f);
                }
                break;
            }
            case Icon::smile:
                iconRing (g, ArtStyle::amber);
                face (g, ArtStyle::amber, true);
                break;
            case Icon::frown:
                iconRing (g, ArtStyle::amber);
                face (g, ArtStyle::amber, false);
                break;
        }

        return image;
    }

    juce::Image browserTitle (const juce::String& title)
    {
        auto image = blankPanel();
        juce::Graphics g (image);
        ArtPainter::text (g, title, ArtStyle::titleFont (24.0f), ArtStyle::cream, Area (0.0f, 14.0f, 325.0f, 30.0f),
                          Justification::centred, 0.14f);
        g.setColour (ArtStyle::amber);
        g.fillRoundedRectangle (Area (142.5f, 45.0f, 40.0f, 2.5f), 1.25f);
        return image;
    }

    juce::Image button (const juce::String& label)
    {
        const auto frame = PanelLayout::dialogButton;
        juce::Image image (juce::Image::ARGB, frame.getWidth(), frame.getHeight() * 2, true);
        juce::Graphics g (image);

        for (int i = 0; i < 2; ++i)
        {
            const bool pressed = i == 1;
            const auto area = frame.toFloat().translated (0.0f, (float) (i * frame.getHeight())).reduced (4.0f, 5.0f);
            ArtPainter::buttonBody (g, area, pressed, 7.0f);
            ArtPainter::text (g, label, ArtStyle::labelFont (15.0f), pressed ? ArtStyle::amber : ArtStyle::cream,
                              area.translated (0.0f, pressed ? 1.0f : -0.5f), Justification::centred, 0.14f);
        }

        return image;
    }
}

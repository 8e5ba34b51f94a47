#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    A film strip whose frames are solid, distinct colours, and the means to tell
    from a rendered pixel which frame a control drew.
*/
namespace FilmStripTest
{
    inline juce::Colour frameColour (int frame)
    {
        return juce::Colour ((juce::uint8) (20 + frame * 2), (juce::uint8) (230 - frame), (juce::uint8) 77);
    }

    inline juce::Image makeStrip (int frames, int frameWidth, int frameHeight)
    {
        juce::Image strip (juce::Image::ARGB, frameWidth, frameHeight * frames, true);
        juce::Graphics g (strip);

        for (int i = 0; i < frames; ++i)
        {
            g.setColour (frameColour (i));
            g.fillRect (0, i * frameHeight, frameWidth, frameHeight);
        }

        return strip;
    }

    /** Paints the component off-screen, the way its parent would. */
    inline juce::Image render (juce::Component& c)
    {
        juce::Image image (juce::Image::ARGB, c.getWidth(), c.getHeight(), true);
        juce::Graphics g (image);
        c.paintEntireComponent (g, false);
        return image;
    }

    /** The frame whose colour is at (x, y), or -1 for anything else (e.g. nothing drawn). */
    inline int frameAt (const juce::Image& image, int x, int y, int frames)
    {
        const auto pixel = image.getPixelAt (x, y);

        for (int i = 0; i < frames; ++i)
            if (pixel.getARGB() == frameColour (i).getARGB())
                return i;

        return -1;
    }

    inline int frameAtCentre (juce::Component& c, int frames)
    {
        return frameAt (render (c), c.getWidth() / 2, c.getHeight() / 2, frames);
    }

    /** Sends main-button presses, drags and releases to a component, as the framework would. */
    struct Mouse
    {
        explicit Mouse (juce::Component& c) : target (c) {}

        void press()                                 { pressAt (centre()); }
        void release()                               { releaseAt (centre()); }
        void pressAt (juce::Point<float> position)   { downPosition = position; target.mouseDown (event (position)); }
        void dragTo (juce::Point<float> position)    { target.mouseDrag (event (position)); }
        void releaseAt (juce::Point<float> position) { target.mouseUp (event (position)); }

    private:
        juce::Point<float> centre() const  { return { target.getWidth() / 2.0f, target.getHeight() / 2.0f }; }

        juce::MouseEvent event (juce::Point<float> position) const
        {
            const auto now = juce::Time::getCurrentTime();
            return { juce::Desktop::getInstance().getMainMouseSource(), position,
                     juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier), 1.0f, 0.0f, 0.0f, 0.0f, 0.0f,
                     &target, &target, now, downPosition, now, 1, false };
        }

        juce::Component& target;
        juce::Point<float> downPosition;
    };

    inline bool isBlank (const juce::Image& image)
    {
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (image.getPixelAt (x, y).getAlpha() != 0)
                    return false;

        return true;
    }
}

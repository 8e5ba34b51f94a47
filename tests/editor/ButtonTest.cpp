#include "FilmStripTestHelpers.h"

#include <Vardun2StateButton.h>
#include <Vardun2StateKickButton.h>
#include <Vardun4StateButton.h>
#include <Vardun4StateButton3PDT.h>

#include <gtest/gtest.h>

using namespace FilmStripTest;

namespace
{
    /** Opens paintButton so that each mouse-over and pressed combination can be drawn. */
    template <typename ButtonClass>
    struct Painted : ButtonClass
    {
        Painted() : ButtonClass ("button") { this->setBounds (0, 0, 20, 20); }

        int frameFor (bool over, bool down, int frames)
        {
            juce::Image image (juce::Image::ARGB, 20, 20, true);
            juce::Graphics g (image);
            this->paintButton (g, over, down);
            return frameAt (image, 10, 10, frames);
        }
    };

    struct ClickCounter : juce::Button::Listener
    {
        void buttonClicked (juce::Button*) override  { ++clicks; }
        int clicks = 0;
    };

    double averageAlpha (const juce::Image& image)
    {
        double sum = 0.0;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                sum += image.getPixelAt (x, y).getAlpha();
        return sum / (image.getWidth() * image.getHeight());
    }
}

TEST (Vardun4StateButton, ShowsMouseOverAndToggleState)
{
    Painted<Vardun4StateButton> button;
    button.setImage (makeStrip (4, 20, 20));
    ASSERT_TRUE (button.getClickingTogglesState());

    EXPECT_EQ (0, button.frameFor (false, false, 4));
    EXPECT_EQ (1, button.frameFor (true, false, 4));
    button.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (2, button.frameFor (true, false, 4));
    EXPECT_EQ (3, button.frameFor (false, false, 4));

    button.setClickingTogglesState (false);
    EXPECT_EQ (2, button.frameFor (false, true, 4));
    EXPECT_EQ (1, button.frameFor (true, false, 4));
    EXPECT_EQ (0, button.frameFor (false, false, 4));
}

TEST (Vardun4StateButton, ReportsItsFrameSize)
{
    Vardun4StateButton button ("button");
    EXPECT_EQ (0, button.getImageWidth());
    EXPECT_EQ (0, button.getImageHeight());

    button.setImage (makeStrip (4, 90, 99));
    EXPECT_EQ (90, button.getImageWidth());
    EXPECT_EQ (99, button.getImageHeight());
}

TEST (Vardun4StateButton3PDT, ShowsToggleAndPressedButNotMouseOver)
{
    Painted<Vardun4StateButton3PDT> footswitch;
    footswitch.setImage (makeStrip (4, 20, 20));

    EXPECT_EQ (0, footswitch.frameFor (false, false, 4));
    EXPECT_EQ (0, footswitch.frameFor (true, false, 4));
    EXPECT_EQ (1, footswitch.frameFor (true, true, 4));
    footswitch.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (2, footswitch.frameFor (true, false, 4));
    EXPECT_EQ (3, footswitch.frameFor (false, true, 4));

    footswitch.setClickingTogglesState (false);
    EXPECT_EQ (0, footswitch.frameFor (true, true, 4));
}

TEST (Vardun4StateButton3PDT, ShowsPressedWhileHeldAndTheNewStateAfterRelease)
{
    Vardun4StateButton3PDT footswitch ("bypassButton_");
    footswitch.setBounds (0, 0, 90, 99);
    footswitch.setImage (makeStrip (4, 90, 99));
    footswitch.setVisible (true);
    Mouse mouse (footswitch);

    mouse.press();
    EXPECT_EQ (1, frameAtCentre (footswitch, 4));
    mouse.release();
    EXPECT_TRUE (footswitch.getToggleState());
    EXPECT_EQ (2, frameAtCentre (footswitch, 4));

    mouse.press();
    EXPECT_EQ (3, frameAtCentre (footswitch, 4));
    mouse.release();
    EXPECT_FALSE (footswitch.getToggleState());
    EXPECT_EQ (0, frameAtCentre (footswitch, 4));
}

TEST (Vardun4StateButton3PDT, IsDrawnAtFortyPercentWhenDisabled)
{
    Vardun4StateButton3PDT footswitch ("bypassButton_");
    footswitch.setBounds (0, 0, 20, 20);
    footswitch.setImage (makeStrip (4, 20, 20));

    EXPECT_NEAR (255.0, averageAlpha (render (footswitch)), 0.5);
    footswitch.setEnabled (false);
    EXPECT_NEAR (0.4 * 255.0, averageAlpha (render (footswitch)), 1.0);
}

TEST (Vardun2StateButton, ShowsItsToggleStateAndIsNeverDimmed)
{
    Painted<Vardun2StateButton> toggle;
    toggle.setImage (makeStrip (2, 20, 20));
    ASSERT_TRUE (toggle.getClickingTogglesState());

    EXPECT_EQ (0, toggle.frameFor (true, true, 2));
    toggle.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (1, toggle.frameFor (false, false, 2));

    toggle.setClickingTogglesState (false);
    EXPECT_EQ (1, toggle.frameFor (false, true, 2));
    EXPECT_EQ (0, toggle.frameFor (true, false, 2));

    toggle.setEnabled (false);
    EXPECT_NEAR (255.0, averageAlpha (render (toggle)), 0.5);
}

TEST (Vardun2StateButton, ClickingToggles)
{
    Vardun2StateButton toggle ("stereoSpreadButton_");
    toggle.setBounds (0, 0, 54, 22);
    toggle.setVisible (true);
    Mouse mouse (toggle);

    mouse.press();
    mouse.release();
    EXPECT_TRUE (toggle.getToggleState());
}

TEST (Vardun2StateKickButton, ShowsPressedOnlyWhileHeldAndNeverToggles)
{
    Painted<Vardun2StateKickButton> kick;
    kick.setImage (makeStrip (2, 20, 20));
    EXPECT_FALSE (kick.getClickingTogglesState());
    EXPECT_EQ (0, kick.frameFor (true, false, 2));
    EXPECT_EQ (1, kick.frameFor (false, true, 2));

    kick.setVisible (true);
    Mouse mouse (kick);
    mouse.press();
    EXPECT_EQ (1, frameAtCentre (kick, 2));
    mouse.release();
    EXPECT_EQ (0, frameAtCentre (kick, 2));
    EXPECT_FALSE (kick.getToggleState());
}

TEST (Vardun2StateKickButton, WithoutAnImageDrawsNothingButStillFiresItsListeners)
{
    Vardun2StateKickButton hitArea ("type1ShortcutButton_");
    hitArea.setBounds (0, 0, 25, 10);
    hitArea.setVisible (true);
    ClickCounter counter;
    hitArea.addListener (&counter);
    Mouse mouse (hitArea);

    mouse.press();
    EXPECT_TRUE (isBlank (render (hitArea)));
    mouse.release();
    EXPECT_EQ (1, counter.clicks);
    EXPECT_TRUE (isBlank (render (hitArea)));

    hitArea.removeListener (&counter);
}

TEST (FilmStripButtons, DrawNothingWithoutAnImage)
{
    Vardun4StateButton3PDT footswitch ("bypassButton_");
    Vardun2StateButton toggle ("syncButton_");
    footswitch.setBounds (0, 0, 20, 20);
    toggle.setBounds (0, 0, 20, 20);
    footswitch.setToggleState (true, juce::dontSendNotification);
    toggle.setToggleState (true, juce::dontSendNotification);

    EXPECT_TRUE (isBlank (render (footswitch)));
    EXPECT_TRUE (isBlank (render (toggle)));

    toggle.setImage (makeStrip (2, 20, 20));
    EXPECT_EQ (1, frameAtCentre (toggle, 2));
    toggle.setImage (juce::Image());
    EXPECT_TRUE (isBlank (render (toggle)));
}

#include "FilmStripTestHelpers.h"

#include <VardunVerticalSwitch2.h>

#include <gtest/gtest.h>

using namespace FilmStripTest;

namespace
{
    constexpr int positions = 3;

    /** The type switch as the editor sets it up. */
    struct TypeSwitch : testing::Test
    {
        TypeSwitch()
        {
            typeSwitch.setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
            typeSwitch.setBounds (0, 0, 48, 80);
            typeSwitch.setImage (makeStrip (positions, 48, 80), positions);
            typeSwitch.setControllableImageHeight (45);
        }

        /** The proportion the framework reports for a mouse at y pixels from the top. */
        double proportionAt (double y) const     { return 1.0 - y / 80.0; }

        /** The value a click at y pixels from the top leaves the switch at. */
        double valueAfterClickAt (double y)
        {
            typeSwitch.setValue (typeSwitch.proportionOfLengthToValue (proportionAt (y)), juce::dontSendNotification);
            return typeSwitch.getValue();
        }

        VardunVerticalSwitch2 typeSwitch { "typeKnob_" };
    };
}

TEST_F (TypeSwitch, SetImageMakesOneStepPerPosition)
{
    EXPECT_EQ (juce::Slider::LinearVertical, typeSwitch.getSliderStyle());
    EXPECT_EQ (0.5, typeSwitch.getInterval());

    typeSwitch.setValue (0.3, juce::dontSendNotification);
    EXPECT_EQ (0.5, typeSwitch.getValue());

    VardunVerticalSwitch2 fivePositions ("fiveWay");
    fivePositions.setImage (makeStrip (5, 4, 4), 5);
    EXPECT_EQ (0.25, fivePositions.getInterval());

    VardunVerticalSwitch2 imageless ("imageless");
    imageless.setImage (juce::Image(), 3);
    EXPECT_EQ (0.0, imageless.getInterval());
}

TEST_F (TypeSwitch, ShowsTheFrameOfItsPosition)
{
    for (int position = 0; position < positions; ++position)
    {
        typeSwitch.setValue (position * 0.5, juce::dontSendNotification);
        EXPECT_EQ (position, frameAtCentre (typeSwitch, positions));
    }
}

TEST_F (TypeSwitch, AnyValueAboveTheMinimumShowsALaterFrame)
{
    typeSwitch.setRange (0.0, 1.0, 0.0);
    typeSwitch.setValue (0.001, juce::dontSendNotification);
    EXPECT_EQ (1, frameAtCentre (typeSwitch, positions));
    typeSwitch.setValue (0.501, juce::dontSendNotification);
    EXPECT_EQ (2, frameAtCentre (typeSwitch, positions));
}

TEST_F (TypeSwitch, DrawsItsFrameAtFrameSizeWhateverItsBounds)
{
    typeSwitch.setBounds (0, 0, 96, 160);
    typeSwitch.setValue (1.0, juce::dontSendNotification);
    const auto image = render (typeSwitch);

    EXPECT_EQ (2, frameAt (image, 47, 79, positions));
    EXPECT_EQ (-1, frameAt (image, 60, 40, positions));
    EXPECT_EQ (-1, frameAt (image, 20, 100, positions));
}

TEST_F (TypeSwitch, TheTopOfTheTravelIsTheMinimumAndDraggingDownIncreases)
{
    EXPECT_EQ (0.0, typeSwitch.proportionOfLengthToValue (proportionAt (0.0)));
    EXPECT_DOUBLE_EQ (0.5, typeSwitch.proportionOfLengthToValue (proportionAt (22.5)));
    EXPECT_EQ (1.0, typeSwitch.proportionOfLengthToValue (proportionAt (45.0)));

    EXPECT_EQ (0.0, valueAfterClickAt (3.0));
    EXPECT_EQ (0.0, valueAfterClickAt (10.0));
    EXPECT_EQ (0.5, valueAfterClickAt (22.0));
    EXPECT_EQ (1.0, valueAfterClickAt (40.0));

    // Below the controllable height the value stays at the maximum.
    EXPECT_EQ (1.0, valueAfterClickAt (70.0));
    EXPECT_EQ (1.0, typeSwitch.proportionOfLengthToValue (0.0));

    double previous = -1.0;
    for (double y = 0.0; y <= 80.0; y += 2.5)
    {
        const double value = typeSwitch.proportionOfLengthToValue (proportionAt (y));
        EXPECT_GE (value, previous) << "at y " << y;
        previous = value;
    }
}

TEST_F (TypeSwitch, ValuesMapBackToTheTopOfTheTravel)
{
    EXPECT_DOUBLE_EQ (1.0, typeSwitch.valueToProportionOfLength (0.0));
    EXPECT_DOUBLE_EQ (proportionAt (22.5), typeSwitch.valueToProportionOfLength (0.5));
    EXPECT_DOUBLE_EQ (proportionAt (45.0), typeSwitch.valueToProportionOfLength (1.0));

    for (double value : { 0.0, 0.5, 1.0 })
        EXPECT_DOUBLE_EQ (value, typeSwitch.proportionOfLengthToValue (typeSwitch.valueToProportionOfLength (value)));
}

TEST (VardunVerticalSwitch2, DrawsNothingWithoutAnImage)
{
    VardunVerticalSwitch2 typeSwitch ("typeKnob_");
    typeSwitch.setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
    typeSwitch.setBounds (0, 0, 48, 80);
    EXPECT_TRUE (isBlank (render (typeSwitch)));
}

TEST_F (TypeSwitch, ClickingAndDraggingWithTheMouseFollowTheMapping)
{
    typeSwitch.setVisible (true);
    Mouse mouse (typeSwitch);
    const float x = 24.0f;

    typeSwitch.setValue (1.0, juce::dontSendNotification);
    mouse.pressAt ({ x, 3.0f });
    EXPECT_EQ (0.0, typeSwitch.getValue()) << "a click at the top selects the minimum";

    mouse.dragTo ({ x, 27.0f });
    EXPECT_EQ (0.5, typeSwitch.getValue());
    mouse.dragTo ({ x, 44.0f });
    EXPECT_EQ (1.0, typeSwitch.getValue());
    mouse.dragTo ({ x, 78.0f });
    EXPECT_EQ (1.0, typeSwitch.getValue()) << "below the controllable height the value stays at the maximum";
    mouse.dragTo ({ x, 1.0f });
    EXPECT_EQ (0.0, typeSwitch.getValue());
    mouse.releaseAt ({ x, 1.0f });

    mouse.pressAt ({ x, 60.0f });
    EXPECT_EQ (1.0, typeSwitch.getValue());
    mouse.releaseAt ({ x, 60.0f });
}

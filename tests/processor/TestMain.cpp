#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// The processor's timer and its modules' broadcasters need a message manager.
int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    return RUN_ALL_TESTS();
}

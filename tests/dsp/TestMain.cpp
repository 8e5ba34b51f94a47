#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// The modules broadcast through juce::ActionBroadcaster, which needs a message
// manager to exist.
int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

// The framework runs in this process for the processors the tests run directly.
int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>

// The tests run under a home folder of their own, so that nothing they do to
// the preset folder reaches the real one. It is set before the framework
// starts and removed at exit.
int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);

    char home[] = "/tmp/editor_tests_home_XXXXXX";

    if (mkdtemp (home) == nullptr || setenv ("HOME", home, 1) != 0)
        return 1;

    int result = 0;

    {
        juce::ScopedJuceInitialiser_GUI juceInitialiser;
        result = RUN_ALL_TESTS();
    }

    juce::File (home).deleteRecursively();
    return result;
}

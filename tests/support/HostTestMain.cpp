#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>

// The framework runs in this process for the processors the tests run
// directly. The plug-ins open windows and read their preset folder, so the
// tests run under a home folder of their own, set before the framework (the
// test process's and each plug-in's) starts and removed at exit.
int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);

    char home[] = "/tmp/host_tests_home_XXXXXX";

    if (mkdtemp (home) == nullptr || setenv ("HOME", home, 1) != 0)
        return 1;

    const auto result = [] { juce::ScopedJuceInitialiser_GUI juceInitialiser; return RUN_ALL_TESTS(); }();

    juce::File (home).deleteRecursively();
    return result;
}

#include "VirtualDisplay.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>

// Windows open and preset folders are read, so the tests run on a prepared virtual display
// (one of their own when none is given) and under a home folder of their own, set before any
// framework (the test's, a plug-in's) starts and removed at exit. Listing the tests needs
// neither.
int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);

    if (testing::GTEST_FLAG (list_tests))
        return RUN_ALL_TESTS();

    prepareVirtualDisplay();

    char home[] = "/tmp/host_tests_home_XXXXXX";

    if (mkdtemp (home) == nullptr || setenv ("HOME", home, 1) != 0)
        return 1;

    const auto result = [] { juce::ScopedJuceInitialiser_GUI juceInitialiser; return RUN_ALL_TESTS(); }();

    juce::File (home).deleteRecursively();
    return result;
}

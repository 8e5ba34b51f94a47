#include <gtest/gtest.h>

#include "FakeHostInterfaces.h"
#include "TestEffect.h"

#include <thread>

using fakehost::Host;

// Two host threads confirm values and generate coefficients at once: the dispatcher's lock
// and its owner must keep them apart, which ThreadSanitizer checks.
TEST (DispatcherThreads, TwoHostThreadsMarkAndDispatchTogether)
{
    constexpr int rounds = 2000;
    Host host;
    TestEffect effect;
    ASSERT_EQ (effect.Initialize (host.unknown()), AAX_SUCCESS);

    std::thread automation ([&]
    {
        for (int i = 0; i < rounds; ++i)
        {
            effect.UpdateParameterNormalizedValue ("MasterBypassID", i & 1, AAX_eUpdateSource_Unspecified);
            effect.UpdateParameterNormalizedValue ("5", i / double (rounds), AAX_eUpdateSource_Unspecified);
            effect.GenerateCoefficients();
        }
    });

    for (int i = 0; i < rounds; ++i)
    {
        effect.GenerateCoefficients();
        effect.UpdateParameterNormalizedValue ("2", (i % 7) / 7.0, AAX_eUpdateSource_Unspecified);
    }

    automation.join();
    effect.UpdateParameterNormalizedValue ("MasterBypassID", 1.0, AAX_eUpdateSource_Unspecified);
    effect.GenerateCoefficients();
    EXPECT_EQ (host.packets[TestEffect::bypassPort], std::vector<char> ({ 1, 0, 0, 0 }));

    int32_t changes = 0;
    effect.GetNumberOfChanges (&changes);
    EXPECT_GT (changes, rounds);
    effect.Uninitialize();
}

#include "AAXEffectParametersAdapter.h"
#include "FakeHostInterfaces.h"
#include "StandInSession.h"

#include <gtest/gtest.h>

#include <limits>

// The adapter built into this test, so that the processor's own notifications can be raised directly.

using fakehost::Host;

TEST (AAXAdapter, ProcessorChangesReachTheHostBetweenTouchAndReleaseWithoutEcho)
{
    Host host;
    host.answers = fakehost::SessionAnswers();
    auto* adapter = new AAXEffectParametersAdapter();
    standin::EffectInstance effect (host, adapter->getHostInterface());
    auto& processor = adapter->getProcessor();

    host.calls.clear();
    processor.beginParameterChangeGesture (5);
    processor.setParameterNotifyingHost (5, 0.3f);
    processor.endParameterChangeGesture (5);
    std::vector<std::string> automation;

    for (auto& call : host.calls)
        automation.push_back (call.operation + " " + call.arguments.front());

    EXPECT_EQ (automation, (std::vector<std::string> { "PostTouchRequest \"5\"", "PostTouchRequest \"5\"", "PostSetValueRequest \"5\"",
                                                       "PostReleaseRequest \"5\"", "PostReleaseRequest \"5\"" }));

    // Confirmed by the host: the value is not sent back again.
    EXPECT_EQ (effect.answerRequests(), 1u);
    EXPECT_EQ (processor.getParameter (5), 0.3f);
    host.calls.clear();
    processor.setParameterNotifyingHost (5, 0.3f);
    EXPECT_TRUE (host.calls.empty());

    // Host values reach the processor bounded, a NaN not at all, the bypass never.
    effect->UpdateParameterNormalizedValue ("5", std::numeric_limits<double>::quiet_NaN(), AAX_eUpdateSource_Unspecified);
    EXPECT_EQ (processor.getParameter (5), 0.3f);
    effect->UpdateParameterNormalizedValue ("5", 1.7, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ (processor.getParameter (5), 1.0f);
    effect->UpdateParameterNormalizedValue ("MasterBypassID", 1.0, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ (processor.getParameter (0), 1.0f);

    // Once uninitialised, the processor's changes go nowhere.
    effect->Uninitialize();
    host.calls.clear();
    processor.setParameterNotifyingHost (5, 0.9f);
    EXPECT_TRUE (host.calls.empty());
}

#include <gtest/gtest.h>

#include "AAX_CEffectGUI.h"
#include "FakeHostInterfaces.h"
#include "StandInSession.h"
#include "TestEffect.h"

using fakehost::Host;

namespace
{
    /** A GUI on the library's base that records what the base asks of it. */
    struct RecordingGUI : public AAX_CEffectGUI
    {
        AAX_Result ParameterUpdated (AAX_CParamID identifier) override  { events.push_back (std::string ("updated ") + identifier); return AAX_SUCCESS; }
        void CreateViewContents() override      { events.push_back ("contents"); }
        void CreateViewContainer() override     { events.push_back ("attach " + std::to_string (GetViewContainerType())); }
        void DeleteViewContainer() override     { events.push_back ("detach"); }

        std::vector<std::string> events;
    };

    using Events = std::vector<std::string>;
}

TEST (EffectGUI, AContainerIsAttachedAndShownEveryParameterOnceAndTheDataModelReleasedOnce)
{
    Host host;
    standin::EffectInstance effect { host, (new TestEffect)->hostVisible() };
    RecordingGUI withoutContext, gui;

    // Without a host context nothing is built, and a container updates no parameter.
    EXPECT_EQ (withoutContext.Initialize (nullptr), AAX_ERROR_NULL_COMPONENT);
    withoutContext.SetViewContainer (host.unknown());
    EXPECT_EQ (withoutContext.events, Events { "attach 3" });
    EXPECT_EQ (withoutContext.Initialize (host.unknown()), AAX_SUCCESS);   // again, leaking nothing

    host.effectParameters = effect.unknown();
    ASSERT_EQ (gui.Initialize (host.unknown()), AAX_SUCCESS);
    EXPECT_EQ (gui.SetViewContainer (host.unknown()), AAX_SUCCESS);
    Events expected = { "contents", "attach 3" };

    for (auto* identifier : { "0", "1", "2", "3", "4", "5", "6", "7", "8", "MasterBypassID" })
        expected.push_back (std::string ("updated ") + identifier);

    EXPECT_EQ (gui.events, expected);
    EXPECT_EQ (gui.GetViewContainerPtr(), &host.nativeView);

    gui.events.clear();
    EXPECT_EQ (gui.SetViewContainer (nullptr), AAX_SUCCESS);
    EXPECT_EQ (gui.events, Events { "detach" });
    EXPECT_EQ (gui.GetViewContainerType(), 0);

    // One reference to the data model, given back once however often the GUI is uninitialised.
    EXPECT_EQ (effect->AddRef(), 3u);
    gui.Uninitialize();
    gui.Uninitialize();
    EXPECT_EQ (gui.GetEffectParameters(), nullptr);
    EXPECT_EQ (effect->Release(), 1u);
}

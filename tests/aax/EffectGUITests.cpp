#include <gtest/gtest.h>

#include "AAX_CEffectGUI.h"
#include "AAX_IViewContainer.h"
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

    /** A GUI, held by one reference, whose host context leads to an initialised effect. */
    class EffectGUI : public testing::Test
    {
    protected:
        EffectGUI()             { host.effectParameters = effect.unknown(); static_cast<AAX_IACFEffectGUI*> (gui)->AddRef(); }
        ~EffectGUI() override   { static_cast<AAX_IACFEffectGUI*> (gui)->Release(); }

        Host host;
        standin::EffectInstance effect { host, (new TestEffect)->hostVisible() };
        RecordingGUI* gui = new RecordingGUI;
    };
}

TEST_F (EffectGUI, AContainerIsAttachedAndShownEveryParameterOnce)
{
    ASSERT_EQ (gui->Initialize (host.unknown()), AAX_SUCCESS);
    EXPECT_EQ (static_cast<IACFUnknown*> (gui->GetEffectParameters()), effect.unknown());
    EXPECT_EQ (gui->SetViewContainer (host.unknown()), AAX_SUCCESS);

    std::vector<std::string> expected = { "contents", "attach 3" };

    for (auto* identifier : { "0", "1", "2", "3", "4", "5", "6", "7", "8", "MasterBypassID" })
        expected.push_back (std::string ("updated ") + identifier);

    EXPECT_EQ (gui->events, expected);
    EXPECT_EQ (gui->GetViewContainerPtr(), &host.nativeView);
    ASSERT_NE (gui->GetViewContainer(), nullptr);

    gui->events.clear();
    EXPECT_EQ (gui->SetViewContainer (nullptr), AAX_SUCCESS);
    EXPECT_EQ (gui->events, std::vector<std::string> { "detach" });
    EXPECT_EQ (gui->GetViewContainerPtr(), nullptr);
    EXPECT_EQ (gui->GetViewContainerType(), 0);

    AAX_CString label;
    EXPECT_EQ (gui->GetCustomLabel (0, &label), AAX_ERROR_NULL_OBJECT);

    // The GUI held one reference to the data model; uninitialising, even twice, gives it
    // back once.
    EXPECT_EQ (effect->AddRef(), 3u);
    EXPECT_EQ (gui->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ (gui->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ (gui->GetEffectParameters(), nullptr);
    EXPECT_EQ (effect->Release(), 1u);
}

TEST_F (EffectGUI, WithoutAHostContextNothingIsBuilt)
{
    EXPECT_EQ (gui->Initialize (nullptr), AAX_ERROR_NULL_COMPONENT);
    EXPECT_TRUE (gui->events.empty());
    EXPECT_EQ (gui->GetEffectParameters(), nullptr);

    // Without a data model a new container updates no parameter.
    gui->SetViewContainer (host.unknown());
    EXPECT_EQ (gui->events, std::vector<std::string> { "attach 3" });

    // A context without a data model still has the view built.
    RecordingGUI second;
    host.effectParameters = nullptr;
    ASSERT_EQ (second.Initialize (host.unknown()), AAX_SUCCESS);
    EXPECT_EQ (second.GetEffectParameters(), nullptr);
    EXPECT_EQ (second.events, std::vector<std::string> { "contents" });
    second.Uninitialize();
}

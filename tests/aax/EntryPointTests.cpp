#include <gtest/gtest.h>

#include "AAX_Exports.h"
#include "AAX_ICollection.h"
#include "AAX_CEffectGUI.h"
#include "AAX_CEffectParameters.h"
#include "AAX_UIDs.h"
#include "AAX_CHostServices.h"
#include "FakeHostInterfaces.h"
#include "StandInDescription.h"

#include <stdexcept>

using fakehost::Host;

namespace
{
    const ACFRESULT unexpected = static_cast<ACFRESULT> (0x8000FFFFu);

    class EntryPoints : public testing::Test
    {
    protected:
        void SetUp() override
        {
            standin::description = standin::describeEffect;
            standin::descriptionCalls = 0;
        }

        void TearDown() override
        {
            ACFShutdown (nullptr);
        }

        Host host;
        IACFPluginDefinition* const untouched = reinterpret_cast<IACFPluginDefinition*> (0x1234);
    };

    class Effect : public AAX_CEffectParameters {};
    class Gui : public AAX_CEffectGUI
    {
        void CreateViewContents() override {}
        void CreateViewContainer() override {}
        void DeleteViewContainer() override {}
    };
}

TEST_F (EntryPoints, ReportTheSdkVersionAndNoComponents)
{
    uint64_t version = 0;
    EXPECT_EQ (ACFGetSDKVersion (&version), AAX_SUCCESS);
    EXPECT_EQ (version, 0x0000020200B45B38ull);
    EXPECT_EQ (ACFGetSDKVersion (nullptr), AAX_ERROR_NULL_OBJECT);

    auto* component = reinterpret_cast<IACFComponentDefinition*> (0x1234);
    EXPECT_EQ (ACFRegisterComponent (host.unknown(), 0, &component), AAX_SUCCESS);
    EXPECT_EQ (component, nullptr);
    EXPECT_EQ (ACFRegisterComponent (host.unknown(), 0, nullptr), AAX_SUCCESS);

    void* factory = &version;
    EXPECT_EQ (ACFGetClassFactory (host.unknown(), IID_IACFUnknown, IID_IACFUnknown, &factory), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (factory, nullptr);
    EXPECT_EQ (ACFGetClassFactory (host.unknown(), IID_IACFUnknown, IID_IACFUnknown, nullptr), AAX_ERROR_UNIMPLEMENTED);
}

TEST_F (EntryPoints, CanUnloadNowCountsLiveObjects)
{
    EXPECT_EQ (ACFCanUnloadNow (host.unknown()), 0);

    IACFUnknown* effect = static_cast<AAX_IACFEffectParameters_V3*> (new Effect);
    IACFUnknown* gui = static_cast<AAX_IACFEffectGUI*> (new Gui);
    effect->AddRef();
    gui->AddRef();
    EXPECT_EQ (ACFCanUnloadNow (host.unknown()), 2);

    effect->Release();
    EXPECT_EQ (ACFCanUnloadNow (host.unknown()), 1);
    gui->Release();
    EXPECT_EQ (ACFCanUnloadNow (host.unknown()), 0);
}

TEST_F (EntryPoints, RegistrationDescribesTheEffectAndHandsOverThePluginDefinition)
{
    IACFPluginDefinition* definition = untouched;
    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), AAX_SUCCESS);
    EXPECT_EQ (standin::descriptionCalls, 1);

    auto* expected = host.findInterface ("plugin-definition");
    ASSERT_NE (expected, nullptr);
    EXPECT_EQ (static_cast<IACFUnknown*> (definition), expected->asUnknown());

    EXPECT_EQ (host.countCalls ("collection.v1", "AddEffect"), 1);
    EXPECT_EQ (host.countCalls ("collection.v1", "AddPackageName"), 2);
    EXPECT_EQ (host.countCalls ("effect-descriptor.v1", "AddName"), 2);
    EXPECT_EQ (host.countCalls ("component-descriptor.v1", "AddProcessProc_Native"), 1);
    EXPECT_EQ (host.countCalls ("property-map.v1", "AddProperty"), 1);

    // Everything but the plug-in definition the host now holds is released.
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string> { "plugin-definition +1 -0" });
    definition->Release();
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
}

TEST_F (EntryPoints, AFailedDescriptionIsReturnedAndLeavesTheOutput)
{
    standin::description = [] (AAX_ICollection*) { return AAX_Result (AAX_ERROR_NULL_OBJECT); };
    IACFPluginDefinition* definition = untouched;

    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (definition, untouched);
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
}

TEST_F (EntryPoints, ACollectionWithoutPluginDefinitionFails)
{
    host.withhold (IID_IACFPluginDefinition);
    IACFPluginDefinition* definition = untouched;

    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (definition, nullptr);
}

TEST_F (EntryPoints, ADefinitionAnsweredWithoutAnInterfaceIsNoSuccess)
{
    host.answerWithoutInterface (IID_IACFPluginDefinition);
    IACFPluginDefinition* definition = untouched;

    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (definition, nullptr);
}

TEST_F (EntryPoints, AHostWithoutCollectionFailsAfterTheDescription)
{
    IACFPluginDefinition* definition = untouched;
    EXPECT_EQ (ACFRegisterPlugin (nullptr, &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (definition, nullptr);
    EXPECT_EQ (standin::descriptionCalls, 1);
}

TEST_F (EntryPoints, ANullOutputIsRefusedBeforeAnythingRuns)
{
    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (standin::descriptionCalls, 0);
    EXPECT_TRUE (host.calls.empty());
}

TEST_F (EntryPoints, ExceptionsNeverLeaveTheBundle)
{
    IACFPluginDefinition* definition = untouched;

    standin::description = [] (AAX_ICollection*) -> AAX_Result { throw std::runtime_error ("description failed"); };
    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), unexpected);

    standin::description = [] (AAX_ICollection* c) -> AAX_Result { c->NewDescriptor(); throw 42; };
    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), unexpected);
    EXPECT_EQ (definition, untouched);
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());

    // A factory query answered with success but no factory throws inside the collection.
    standin::description = standin::describeEffect;
    host.answerWithoutInterface (IID_IACFComponentFactory);
    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), unexpected);
    EXPECT_EQ (ACFStartup (host.unknown()), unexpected);
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
}

TEST_F (EntryPoints, StartupKeepsTheFirstHostsServicesUntilShutdown)
{
    Host otherHost;
    EXPECT_EQ (ACFStartup (host.unknown()), AAX_SUCCESS);
    EXPECT_EQ (ACFStartup (otherHost.unknown()), AAX_SUCCESS);
    EXPECT_TRUE (otherHost.createdClasses.empty());

    EXPECT_EQ (AAX_CHostServices::Trace (1, "%s", "hello"), Host::hostResult);
    EXPECT_EQ (host.countCalls ("host-services.v1", "Trace"), 1);

    EXPECT_EQ (ACFShutdown (otherHost.unknown()), AAX_SUCCESS);
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
    EXPECT_EQ (ACFShutdown (nullptr), AAX_SUCCESS);
    EXPECT_EQ (AAX_CHostServices::Trace (1, "gone"), AAX_SUCCESS);
}

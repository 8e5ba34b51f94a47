#include <gtest/gtest.h>

#include "AAX_UIDs.h"
#include "AAX_VCollection.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"
#include "FakeHostInterfaces.h"
#include "ForwardingChecks.h"

using fakehost::Host;
using fakehost::text;
using fakehost::expectForwarded;
using fakehost::expectMissing;

namespace
{
    /** A property map the library did not make. */
    class ForeignPropertyMap : public AAX_IPropertyMap
    {
    public:
        bool GetProperty (AAX_EProperty, int32_t*) const override                                        { return false; }
        AAX_Result AddProperty (AAX_EProperty, int32_t) override                                         { return 0; }
        AAX_Result RemoveProperty (AAX_EProperty) override                                               { return 0; }
        AAX_Result AddPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad*, uint32_t) override { return 0; }
        bool GetPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad**, uint32_t*) const override { return false; }
    };

    /** A source map holding fixed properties, read through the abstract interface only. */
    class FixedPropertyMap : public ForeignPropertyMap
    {
    public:
        std::map<AAX_EProperty, int32_t> values;

        bool GetProperty (AAX_EProperty p, int32_t* v) const override
        {
            const auto found = values.find (p);

            if (found == values.end())
                return false;

            *v = found->second;
            return true;
        }
    };
}

TEST (AaxCollection, WithoutAHostEveryCallReportsTheMissingInterface)
{
    AAX_VCollection collection (nullptr);
    EXPECT_EQ (collection.GetIUnknown(), nullptr);

    auto* descriptor = collection.NewDescriptor();
    ASSERT_NE (descriptor, nullptr);
    EXPECT_EQ (collection.AddEffect ("id", descriptor), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (collection.SetManufacturerName ("Vardun"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (collection.AddPackageName ("Lumiver PX2741"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (collection.SetPackageVersion (0x10001), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (collection.SetProperties (collection.NewPropertyMap()), AAX_ERROR_NULL_OBJECT);

    EXPECT_EQ (descriptor->AddName ("Lumiver"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (descriptor->AddCategory (1), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (descriptor->AddComponent (descriptor->NewComponentDescriptor()), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (descriptor->AddControlMIDINode (1, 2, "midi", 3), AAX_ERROR_UNIMPLEMENTED);
}

TEST (AaxCollection, ForwardsToTheHostCollection)
{
    Host host;
    {
        AAX_VCollection collection (host.unknown());
        ASSERT_NE (collection.GetIUnknown(), nullptr);
        EXPECT_EQ (host.lastCall ("factory", "CreateInstance")->arguments, std::vector<std::string> { text (nullptr) });

        auto* descriptor = static_cast<AAX_VEffectDescriptor*> (collection.NewDescriptor());
        auto* map = static_cast<AAX_VPropertyMap*> (collection.NewPropertyMap());
        ASSERT_NE (descriptor->GetIUnknown(), nullptr);

        expectForwarded (host, "collection.v1", {
            { "AddEffect", [&] { return collection.AddEffect ("jcaa", descriptor); }, { "\"jcaa\"", text (static_cast<const void*> (descriptor->GetIUnknown())) } },
            { "SetManufacturerName", [&] { return collection.SetManufacturerName ("Vardun"); }, { "\"Vardun\"" } },
            { "AddPackageName", [&] { return collection.AddPackageName ("Lumiver PX2741"); }, { "\"Lumiver PX2741\"" } },
            { "SetPackageVersion", [&] { return collection.SetPackageVersion (0x10001); }, { "65537" } },
            { "SetProperties", [&] { return collection.SetProperties (map); }, { text (static_cast<const void*> (map->GetIUnknown())) } },
        });

        EXPECT_EQ (collection.SetProperties (nullptr), Host::hostResult);
        EXPECT_EQ (host.lastCall ("collection.v1", "SetProperties")->arguments[0], text (static_cast<const void*> (nullptr)));
    }
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
}

TEST (AaxCollection, RefusesMissingOrForeignObjectsWithoutCallingTheHost)
{
    Host host;
    AAX_VCollection collection (host.unknown());
    ForeignPropertyMap foreign;
    const auto callsBefore = host.calls.size();

    EXPECT_EQ (collection.AddEffect ("jcaa", nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (collection.SetProperties (&foreign), AAX_ERROR_NULL_OBJECT);

    auto* descriptor = collection.NewDescriptor();
    EXPECT_EQ (descriptor->SetProperties (&foreign), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (descriptor->AddMeterDescription (1, "meter", &foreign), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (descriptor->NewComponentDescriptor()->AddProcessProc_Native (nullptr, &foreign, nullptr, nullptr, nullptr),
               AAX_ERROR_NULL_OBJECT);

    for (auto c = host.calls.begin() + static_cast<std::ptrdiff_t> (callsBefore); c != host.calls.end(); ++c)
        EXPECT_EQ (c->operation, "CreateInstance") << "only the factory may be reached";
}

TEST (AaxEffectDescriptor, ForwardsEachCallToItsVersion)
{
    Host host;
    AAX_VEffectDescriptor descriptor (host.unknown());
    auto* component = static_cast<AAX_VComponentDescriptor*> (descriptor.NewComponentDescriptor());
    auto* map = static_cast<AAX_VPropertyMap*> (descriptor.NewPropertyMap());
    const auto componentText = text (static_cast<const void*> (component->GetIUnknown()));
    const auto mapText = text (static_cast<const void*> (map->GetIUnknown()));
    int procTarget = 0;

    expectForwarded (host, "effect-descriptor.v1", {
        { "AddComponent", [&] { return descriptor.AddComponent (component); }, { componentText } },
        { "AddName", [&] { return descriptor.AddName ("Lumiver PX2741"); }, { "\"Lumiver PX2741\"" } },
        { "AddCategory", [&] { return descriptor.AddCategory (0x40); }, { "64" } },
        { "AddCategoryBypassParameter", [&] { return descriptor.AddCategoryBypassParameter (0x40, "MasterBypassID"); }, { "64", "\"MasterBypassID\"" } },
        { "AddProcPtr", [&] { return descriptor.AddProcPtr (&procTarget, 7); }, { text (static_cast<const void*> (&procTarget)), "7" } },
        { "SetProperties", [&] { return descriptor.SetProperties (map); }, { mapText } },
        { "AddResourceInfo", [&] { return descriptor.AddResourceInfo (2, "page.xml"); }, { "2", "\"page.xml\"" } },
        { "AddMeterDescription", [&] { return descriptor.AddMeterDescription (9, "Out", map); }, { "9", "\"Out\"", mapText } },
    });

    expectForwarded (host, "effect-descriptor.v2", {
        { "AddControlMIDINode", [&] { return descriptor.AddControlMIDINode (5, 1, "Control", 0xFFFF); }, { "5", "1", "\"Control\"", "65535" } },
    });

    EXPECT_EQ (descriptor.AddComponent (nullptr), Host::hostResult);
}

TEST (AaxEffectDescriptor, WithoutVersionTwoOnlyTheMidiNodeIsMissing)
{
    Host host;
    host.withhold (IID_IAAXEffectDescriptorV2);
    AAX_VEffectDescriptor descriptor (host.unknown());

    EXPECT_EQ (descriptor.AddControlMIDINode (5, 1, "Control", 0xFFFF), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (host.countCalls ("effect-descriptor.v2", "AddControlMIDINode"), 0);
    EXPECT_EQ (descriptor.AddName ("x"), Host::hostResult);
}

TEST (AaxComponentDescriptor, ForwardsEveryCallToVersionOne)
{
    Host host;
    AAX_VComponentDescriptor component (host.unknown());
    auto* map = static_cast<AAX_VPropertyMap*> (component.NewPropertyMap());
    const auto mapText = text (static_cast<const void*> (map->GetIUnknown()));
    AAX_CTypeID procID = 0;
    const AAX_CTypeID meters[] = { 1, 2 };
    const auto procIDText = text (static_cast<const void*> (&procID));
    const AAX_CProcessProc process = [] (void* const[], const void*) {};
    const AAX_CInstanceInitProc init = [] (const void*, AAX_EComponentInstanceInitAction) { return int32_t (0); };
    const AAX_CBackgroundProc background = [] { return int32_t (0); };

    expectForwarded (host, "component-descriptor.v1", {
        { "Clear", [&] { return component.Clear(); }, {} },
        { "AddReservedField", [&] { return component.AddReservedField (1, 2); }, { "1", "2" } },
        { "AddAudioIn", [&] { return component.AddAudioIn (3); }, { "3" } },
        { "AddAudioOut", [&] { return component.AddAudioOut (4); }, { "4" } },
        { "AddAudioBufferLength", [&] { return component.AddAudioBufferLength (5); }, { "5" } },
        { "AddSampleRate", [&] { return component.AddSampleRate (6); }, { "6" } },
        { "AddClock", [&] { return component.AddClock (7); }, { "7" } },
        { "AddSideChainIn", [&] { return component.AddSideChainIn (8); }, { "8" } },
        { "AddDataInPort", [&] { return component.AddDataInPort (3, 4, 1); }, { "3", "4", "1" } },
        { "AddAuxOutputStem", [&] { return component.AddAuxOutputStem (9, 2, "Aux"); }, { "9", "2", "\"Aux\"" } },
        { "AddPrivateData", [&] { return component.AddPrivateData (10, 64, 1); }, { "10", "64", "1" } },
        { "AddDmaInstance", [&] { return component.AddDmaInstance (11, 2); }, { "11", "2" } },
        { "AddMIDINode", [&] { return component.AddMIDINode (12, 1, "In", 3); }, { "12", "1", "\"In\"", "3" } },
        { "AddProcessProc_Native", [&] { return component.AddProcessProc_Native (process, map, init, background, &procID); },
          { text (process), mapText, text (init), text (background), procIDText } },
        { "AddProcessProc_TI", [&] { return component.AddProcessProc_TI ("dll", "proc", map, "init", "bg", &procID); },
          { "\"dll\"", "\"proc\"", mapText, "\"init\"", "\"bg\"", procIDText } },
        { "AddMeters", [&] { return component.AddMeters (13, meters, 2); }, { "13", text (static_cast<const void*> (meters)), "2" } },
    });

    expectForwarded (host, "component-descriptor.v2", {
        { "AddTemporaryData", [&] { return component.AddTemporaryData (14, 32); }, { "14", "32" } },
    });
}

TEST (AaxComponentDescriptor, WithoutVersionTwoTemporaryDataIsMissing)
{
    Host host;
    host.withhold (IID_IAAXComponentDescriptorV2);
    AAX_VComponentDescriptor component (host.unknown());

    EXPECT_EQ (component.AddTemporaryData (14, 32), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (component.AddAudioIn (1), Host::hostResult);

    AAX_VComponentDescriptor without (nullptr);
    expectMissing (host, {
        { "Clear", [&] { return without.Clear(); }, {} },
        { "AddAudioIn", [&] { return without.AddAudioIn (1); }, {} },
        { "AddMeters", [&] { return without.AddMeters (1, nullptr, 0); }, {} },
        { "AddProcessProc_Native", [&] { return without.AddProcessProc_Native (nullptr, nullptr, nullptr, nullptr, nullptr); }, {} },
    }, AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (without.AddTemporaryData (1, 1), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_NE (without.NewPropertyMap(), nullptr);
}

TEST (AaxPropertyMap, ForwardsAndReportsMissingVersions)
{
    Host host;
    AAX_VPropertyMap map (host.unknown());
    const AAX_SPlugInIdentifierTriad ids[1] {};

    expectForwarded (host, "property-map.v1", {
        { "AddProperty", [&] { return map.AddProperty (17, 42); }, { "17", "42" } },
        { "RemoveProperty", [&] { return map.RemoveProperty (18); }, { "18" } },
    });
    expectForwarded (host, "property-map.v2", {
        { "AddPropertyWithIDArray", [&] { return map.AddPropertyWithIDArray (20, ids, 1); }, { "20", text (static_cast<const void*> (ids)), "1" } },
    });

    int32_t value = 0;
    EXPECT_TRUE (map.GetProperty (17, &value));
    EXPECT_EQ (value, 42);
    EXPECT_FALSE (map.GetProperty (18, &value));

    const AAX_SPlugInIdentifierTriad* array = ids;
    uint32_t count = 5;
    EXPECT_TRUE (map.GetPropertyWithIDArray (20, &array, &count));
    EXPECT_EQ (host.countCalls ("property-map.v2", "GetPropertyWithIDArray"), 1);
}

TEST (AaxPropertyMap, WithoutHostInterfacesGettersLeaveTheirOutputs)
{
    AAX_VPropertyMap map (nullptr);
    int32_t value = 99;
    const AAX_SPlugInIdentifierTriad* array = nullptr;
    uint32_t count = 7;

    EXPECT_FALSE (map.GetProperty (10, &value));
    EXPECT_EQ (value, 99);
    EXPECT_FALSE (map.GetPropertyWithIDArray (10, &array, &count));
    EXPECT_EQ (count, 7u);
    EXPECT_EQ (map.AddProperty (10, 1), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (map.RemoveProperty (10), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (map.AddPropertyWithIDArray (10, nullptr, 0), AAX_ERROR_UNIMPLEMENTED);

    Host host;
    host.withhold (IID_IAAXPropertyMapV2);
    AAX_VPropertyMap versionOne (host.unknown());
    EXPECT_EQ (versionOne.AddPropertyWithIDArray (10, nullptr, 0), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_FALSE (versionOne.GetPropertyWithIDArray (10, &array, &count));
}

TEST (AaxComponentDescriptor, DuplicateCopiesTheKnownPropertyRange)
{
    Host host;
    AAX_VComponentDescriptor component (host.unknown());
    FixedPropertyMap source;
    source.values = { { 9, 1 }, { 10, 2 }, { 401, 3 }, { 402, 4 } };

    auto* copy = component.DuplicatePropertyMap (&source);
    ASSERT_NE (copy, nullptr);

    int32_t value = 0;
    EXPECT_FALSE (copy->GetProperty (9, &value));
    EXPECT_TRUE (copy->GetProperty (10, &value));
    EXPECT_EQ (value, 2);
    EXPECT_TRUE (copy->GetProperty (401, &value));
    EXPECT_EQ (value, 3);
    EXPECT_FALSE (copy->GetProperty (402, &value));
    EXPECT_EQ (host.countCalls ("property-map.v1", "AddProperty"), 2);

    EXPECT_EQ (component.DuplicatePropertyMap (nullptr), nullptr);
}

TEST (AaxCollection, DestructionReleasesEveryHostInterfaceOnce)
{
    Host host;
    {
        AAX_VCollection collection (host.unknown());
        auto* descriptor = collection.NewDescriptor();
        collection.NewPropertyMap();

        for (int i = 0; i < 2; ++i)
        {
            auto* component = descriptor->NewComponentDescriptor();
            component->NewPropertyMap();
            component->DuplicatePropertyMap (component->NewPropertyMap());
        }

        descriptor->NewPropertyMap();
    }

    EXPECT_EQ (host.createdClasses.size(), 1u + 1u + 1u + 2u + 2u * 3u + 1u);
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());

    for (auto* face : host.allInterfaces())
    {
        if (face->name != "factory" && face->name != "plugin-definition" && face->adds > 0)
        {
            EXPECT_EQ (face->releases, 1) << face->name;
        }
    }
}

TEST (AaxCollection, AFactoryAnswerWithoutAFactoryThrowsAndLeaksNothing)
{
    Host host;
    {
        AAX_VCollection collection (host.unknown());
        host.answerWithoutInterface (IID_IACFComponentFactory);

        EXPECT_THROW (collection.NewDescriptor(), AAX_Result);
        EXPECT_THROW (collection.NewPropertyMap(), AAX_Result);
        EXPECT_THROW (AAX_VCollection another (host.unknown()), AAX_Result);
    }
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
}

TEST (AaxCollection, AHostThatMakesNoComponentsLeavesTheWrappersEmpty)
{
    Host host;
    host.withhold (IID_IAAXCollectionV1);
    host.withhold (IID_IAAXEffectDescriptorV1);
    AAX_VCollection collection (host.unknown());

    EXPECT_EQ (collection.GetIUnknown(), nullptr);
    EXPECT_EQ (collection.SetManufacturerName ("Vardun"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (collection.NewDescriptor()->AddName ("x"), AAX_ERROR_NULL_OBJECT);
}

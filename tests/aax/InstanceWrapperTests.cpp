#include <gtest/gtest.h>

#include "AAX_CHostServices.h"
#include "AAX_CString.h"
#include "AAX_UIDs.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VHostServices.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"
#include "FakeHostInterfaces.h"
#include "ForwardingChecks.h"

using fakehost::Host;
using fakehost::text;
using fakehost::expectForwarded;
using fakehost::expectMissing;

namespace
{
    std::string ptr (const void* p)      { return text (p); }

    /** Clears the process-wide host services at the end of a test; declare it after the host. */
    struct HostServicesReset
    {
        ~HostServicesReset()        { AAX_CHostServices::Set (nullptr); }
    };
}

TEST (AaxController, ForwardsEachOperationToTheVersionThatDefinesIt)
{
    Host host;
    {
        AAX_VController controller (host.unknown());
        AAX_CString id, name;
        float rate = 0;
        AAX_EStemFormat format = 0;
        int32_t i32 = 0;
        int64_t i64 = 0;
        uint32_t u32 = 0;
        AAX_CBoolean flag = 0;
        AAX_EProperty property = 5;
        AAX_CFieldIndex port = 0;
        AAX_CMidiPacket packet;
        const char payload[4] = {};

        expectForwarded (host, "controller.v1", {
            { "GetEffectID", [&] { return controller.GetEffectID (&id); }, { ptr (&id) } },
            { "GetEffectSampleRate", [&] { return controller.GetSampleRate (&rate); }, { ptr (&rate) } },
            { "GetEffectInputStemFormat", [&] { return controller.GetInputStemFormat (&format); }, { ptr (&format) } },
            { "GetEffectOutputStemFormat", [&] { return controller.GetOutputStemFormat (&format); }, { ptr (&format) } },
            { "GetSignalLatency", [&] { return controller.GetSignalLatency (&i32); }, { ptr (&i32) } },
            { "GetCycleCount", [&] { return controller.GetCycleCount (7, &i32); }, { "7", ptr (&i32) } },
            { "GetTODLocation", [&] { return controller.GetTODLocation (&i64); }, { ptr (&i64) } },
            { "SetSignalLatency", [&] { return controller.SetSignalLatency (128); }, { "128" } },
            { "SetCycleCount", [&] { return controller.SetCycleCount (&property, &i32, 1); }, { ptr (&property), ptr (&i32), "1" } },
            { "PostPacket", [&] { return controller.PostPacket (3, payload, 4); }, { "3", ptr (payload), "4" } },
            { "GetCurrentMeterValue", [&] { return controller.GetCurrentMeterValue (2, &rate); }, { "2", ptr (&rate) } },
            { "GetMeterPeakValue", [&] { return controller.GetMeterPeakValue (2, &rate); }, { "2", ptr (&rate) } },
            { "ClearMeterPeakValue", [&] { return controller.ClearMeterPeakValue (2); }, { "2" } },
            { "GetMeterCount", [&] { return controller.GetMeterCount (&u32); }, { ptr (&u32) } },
            { "GetMeterClipped", [&] { return controller.GetMeterClipped (2, &flag); }, { "2", ptr (&flag) } },
            { "ClearMeterClipped", [&] { return controller.ClearMeterClipped (2); }, { "2" } },
            { "GetNextMIDIPacket", [&] { return controller.GetNextMIDIPacket (&port, &packet); }, { ptr (&port), ptr (&packet) } },
        });
        expectForwarded (host, "controller.v2", {
            { "SendNotification", [&] { return controller.SendNotification (9, payload, 2); }, { "9", ptr (payload), "2" } },
            { "GetHybridSignalLatency", [&] { return controller.GetHybridSignalLatency (&i32); }, { ptr (&i32) } },
            { "GetCurrentAutomationTimestamp", [&] { return controller.GetCurrentAutomationTimestamp (&i64); }, { ptr (&i64) } },
            { "GetHostName", [&] { return controller.GetHostName (&name); }, { ptr (&name) } },
        });
        expectForwarded (host, "controller.v3", {
            { "GetPlugInTargetPlatform", [&] { return controller.GetPlugInTargetPlatform (&i32); }, { ptr (&i32) } },
            { "GetIsAudioSuite", [&] { return controller.GetIsAudioSuite (&flag); }, { ptr (&flag) } },
        });

        EXPECT_STREQ (id.Get(), Host::effectID);
        EXPECT_STREQ (name.Get(), Host::hostName);
    }

    EXPECT_EQ (host.releaseOrder, (std::vector<std::string> { "controller.v3", "controller.v2", "controller.v1" }));
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
}

TEST (AaxController, MissingVersionsGiveTheirCodes)
{
    Host host;
    float rate = 0;
    AAX_CString name;
    AAX_CBoolean flag = 0;

    AAX_VController none (nullptr);
    expectMissing (host, {
        { "GetSampleRate", [&] { return none.GetSampleRate (&rate); }, {} },
        { "PostPacket", [&] { return none.PostPacket (3, nullptr, 0); }, {} },
    }, AAX_ERROR_NULL_OBJECT);
    expectMissing (host, {
        { "SendNotification", [&] { return none.SendNotification (1, nullptr, 0); }, {} },
        { "GetHostName", [&] { return none.GetHostName (&name); }, {} },
        { "GetIsAudioSuite", [&] { return none.GetIsAudioSuite (&flag); }, {} },
    }, AAX_ERROR_UNIMPLEMENTED);

    host.withhold (IID_IAAXControllerV2);
    {
        AAX_VController withoutTwo (host.unknown());
        EXPECT_EQ (withoutTwo.GetIsAudioSuite (&flag), Host::hostResult);
        EXPECT_EQ (withoutTwo.GetHostName (&name), AAX_ERROR_UNIMPLEMENTED);
        EXPECT_EQ (host.countCalls ("controller.v2", "GetHostName"), 0);
    }

    EXPECT_EQ (host.releaseOrder, (std::vector<std::string> { "controller.v3", "controller.v1" }));
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
}

TEST (AaxController, AQueryAnsweredWithoutAnInterfaceLeavesTheVersionMissing)
{
    Host host;
    host.answerWithoutInterface (IID_IAAXControllerV1);
    AAX_VController controller (host.unknown());
    float rate = 0;

    EXPECT_EQ (controller.GetSampleRate (&rate), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (controller.GetHybridSignalLatency (nullptr), Host::hostResult);
}

TEST (AaxAutomationDelegate, ForwardsEveryOperation)
{
    Host host;
    {
        AAX_VAutomationDelegate automation (host.unknown());
        AAX_CBoolean touched = 0;

        expectForwarded (host, "automation.v1", {
            { "RegisterParameter", [&] { return automation.RegisterParameter ("0"); }, { "\"0\"" } },
            { "UnregisterParameter", [&] { return automation.UnregisterParameter ("1"); }, { "\"1\"" } },
            { "PostSetValueRequest", [&] { return automation.PostSetValueRequest ("2", 0.25); }, { "\"2\"", "0.25" } },
            { "PostCurrentValue", [&] { return automation.PostCurrentValue ("3", 0.75); }, { "\"3\"", "0.75" } },
            { "PostTouchRequest", [&] { return automation.PostTouchRequest ("4"); }, { "\"4\"" } },
            { "PostReleaseRequest", [&] { return automation.PostReleaseRequest ("5"); }, { "\"5\"" } },
            { "GetTouchState", [&] { return automation.GetTouchState ("6", &touched); }, { "\"6\"", ptr (&touched) } },
        });

        AAX_VAutomationDelegate none (nullptr);
        expectMissing (host, {
            { "RegisterParameter", [&] { return none.RegisterParameter ("0"); }, {} },
            { "PostSetValueRequest", [&] { return none.PostSetValueRequest ("0", 0.5); }, {} },
            { "GetTouchState", [&] { return none.GetTouchState ("0", &touched); }, {} },
        }, AAX_ERROR_NULL_OBJECT);
    }
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
}

TEST (AaxTransport, ForwardsEachOperationToItsVersion)
{
    Host host;
    AAX_VTransport transport (host.unknown());
    double tempo = 0;
    int32_t a = 0, b = 0;
    int64_t c = 0, d = 0;
    bool flag = false;
    uint32_t u = 0;
    AAX_EFrameRate rate = 0;
    AAX_EFeetFramesRate feetRate = 0;

    expectForwarded (host, "transport.v1", {
        { "GetCurrentTempo", [&] { return transport.GetCurrentTempo (&tempo); }, { ptr (&tempo) } },
        { "GetCurrentMeter", [&] { return transport.GetCurrentMeter (&a, &b); }, { ptr (&a), ptr (&b) } },
        { "IsTransportPlaying", [&] { return transport.IsTransportPlaying (&flag); }, { ptr (&flag) } },
        { "GetCurrentTickPosition", [&] { return transport.GetCurrentTickPosition (&c); }, { ptr (&c) } },
        { "GetCurrentLoopPosition", [&] { return transport.GetCurrentLoopPosition (&flag, &c, &d); }, { ptr (&flag), ptr (&c), ptr (&d) } },
        { "GetCurrentNativeSampleLocation", [&] { return transport.GetCurrentNativeSampleLocation (&c); }, { ptr (&c) } },
        { "GetCustomTickPosition", [&] { return transport.GetCustomTickPosition (&c, 48000); }, { ptr (&c), "48000" } },
        { "GetBarBeatPosition", [&] { return transport.GetBarBeatPosition (&a, &b, &c, -5); }, { ptr (&a), ptr (&b), ptr (&c), "-5" } },
        { "GetTicksPerQuarter", [&] { return transport.GetTicksPerQuarter (&u); }, { ptr (&u) } },
        { "GetCurrentTicksPerBeat", [&] { return transport.GetCurrentTicksPerBeat (&u); }, { ptr (&u) } },
    });
    expectForwarded (host, "transport.v2", {
        { "GetTimelineSelectionStartPosition", [&] { return transport.GetTimelineSelectionStartPosition (&c); }, { ptr (&c) } },
        { "GetTimeCodeInfo", [&] { return transport.GetTimeCodeInfo (&rate, &a); }, { ptr (&rate), ptr (&a) } },
        { "GetFeetFramesInfo", [&] { return transport.GetFeetFramesInfo (&feetRate, &c); }, { ptr (&feetRate), ptr (&c) } },
        { "IsMetronomeEnabled", [&] { return transport.IsMetronomeEnabled (&a); }, { ptr (&a) } },
    });
}

TEST (AaxTransport, WithoutVersionTwoTheTimeCodeIsMissing)
{
    Host host;
    host.withhold (IID_IAAXTransportV2);
    AAX_VTransport transport (host.unknown());
    double tempo = 0;
    AAX_EFrameRate rate = 0;
    int32_t offset = 0;

    EXPECT_EQ (transport.GetCurrentTempo (&tempo), Host::hostResult);
    EXPECT_EQ (transport.GetTimeCodeInfo (&rate, &offset), AAX_ERROR_UNIMPLEMENTED);

    AAX_VTransport none (nullptr);
    EXPECT_EQ (none.GetCurrentTempo (&tempo), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (none.IsMetronomeEnabled (&offset), AAX_ERROR_UNIMPLEMENTED);
}

TEST (AaxViewContainer, ForwardsEachOperationToItsVersion)
{
    Host host;
    AAX_VViewContainer view (host.unknown());
    uint32_t modifiers = 0;
    AAX_Point size;
    size.vert = 454.0f;
    size.horz = 325.0f;
    const AAX_CParamID ids[] = { "0", "1" };

    EXPECT_EQ (view.GetType(), Host::viewType);
    EXPECT_EQ (view.GetPtr(), &host.nativeView);

    expectForwarded (host, "view.v1", {
        { "GetModifiers", [&] { return view.GetModifiers (&modifiers); }, { ptr (&modifiers) } },
        { "SetViewSize", [&] { return view.SetViewSize (size); }, { "point:454,325" } },
        { "HandleParameterMouseDown", [&] { return view.HandleParameterMouseDown ("2", 8); }, { "\"2\"", "8" } },
        { "HandleParameterMouseDrag", [&] { return view.HandleParameterMouseDrag ("2", 8); }, { "\"2\"", "8" } },
        { "HandleParameterMouseUp", [&] { return view.HandleParameterMouseUp ("2", 8); }, { "\"2\"", "8" } },
    });
    expectForwarded (host, "view.v2", {
        { "HandleMultipleParametersMouseDown", [&] { return view.HandleMultipleParametersMouseDown (ids, 2, 1); }, { ptr (ids), "2", "1" } },
        { "HandleMultipleParametersMouseDrag", [&] { return view.HandleMultipleParametersMouseDrag (ids, 2, 1); }, { ptr (ids), "2", "1" } },
        { "HandleMultipleParametersMouseUp", [&] { return view.HandleMultipleParametersMouseUp (ids, 2, 1); }, { ptr (ids), "2", "1" } },
    });
}

TEST (AaxViewContainer, WithoutVersionOneAnswersWithItsOwnDefaults)
{
    Host host;
    host.withhold (IID_IAAXViewContainerV1);
    AAX_VViewContainer view (host.unknown());
    uint32_t modifiers = 0;
    AAX_Point size;

    EXPECT_EQ (view.GetType(), 0);
    EXPECT_EQ (view.GetPtr(), nullptr);
    EXPECT_EQ (view.SetViewSize (size), AAX_SUCCESS);
    EXPECT_EQ (view.GetModifiers (&modifiers), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (view.HandleParameterMouseDown ("0", 0), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (host.calls.size(), 0u);

    // Version 2 is still there for the operations it defines.
    const AAX_CParamID ids[] = { "0" };
    EXPECT_EQ (view.HandleMultipleParametersMouseUp (ids, 1, 0), Host::hostResult);
}

TEST (AaxHostServices, ReachTheVersionsTheFactoryMade)
{
    Host host;
    {
        AAX_VHostServices services (host.unknown());
        expectForwarded (host, "host-services.v1", {
            { "Assert", [&] { return services.Assert ("file.cpp", 12, "note"); }, { "\"file.cpp\"", "12", "\"note\"" } },
            { "Trace", [&] { return services.Trace (3, "message"); }, { "3", "\"message\"" } },
        });
        expectForwarded (host, "host-services.v2", {
            { "StackTrace", [&] { return services.StackTrace (1, 2, "stack"); }, { "1", "2", "\"stack\"" } },
        });
    }
    EXPECT_EQ (host.createdClasses, (std::vector<std::string> { "host-services", "host-services" }));
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());

    host.withhold (IID_IAAXHostServicesV2);
    AAX_VHostServices versionOne (host.unknown());
    EXPECT_EQ (versionOne.Trace (3, "message"), Host::hostResult);
    EXPECT_EQ (versionOne.StackTrace (1, 2, "stack"), AAX_ERROR_UNIMPLEMENTED);

    AAX_VHostServices none (nullptr);
    EXPECT_EQ (none.Assert ("f", 1, "n"), AAX_ERROR_NULL_OBJECT);
}

TEST (AaxHostServicesHolder, TracesOnlyBetweenStartAndStop)
{
    Host host, otherHost;
    HostServicesReset reset;

    EXPECT_EQ (AAX_CHostServices::Trace (0x08000000, "before %d", 1), AAX_SUCCESS);
    EXPECT_TRUE (host.calls.empty());

    AAX_CHostServices::Set (host.unknown());
    AAX_CHostServices::Set (otherHost.unknown());
    EXPECT_TRUE (otherHost.createdClasses.empty());

    EXPECT_EQ (AAX_CHostServices::Trace (0x08000000, "chunk %s %d", "ERROR", 7), Host::hostResult);
    EXPECT_EQ (host.lastCall ("host-services.v1", "Trace")->arguments,
               (std::vector<std::string> { "134217728", "\"chunk ERROR 7\"" }));

    AAX_CHostServices::Set (nullptr);
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
    AAX_CHostServices::Set (nullptr);
    EXPECT_EQ (AAX_CHostServices::Trace (0, "after"), AAX_SUCCESS);
    EXPECT_EQ (host.countCalls ("host-services.v1", "Trace"), 1);
}

TEST (AaxHostServicesHolder, ALongTraceIsCutToTheBuffer)
{
    Host host;
    HostServicesReset reset;
    AAX_CHostServices::Set (host.unknown());

    const std::string longText (2000, 'x');
    EXPECT_EQ (AAX_CHostServices::Trace (1, "%s", longText.c_str()), Host::hostResult);
    const auto& shown = host.lastCall ("host-services.v1", "Trace")->arguments[1];
    EXPECT_EQ (shown, "\"" + std::string (AAX_CHostServices::traceBufferSize - 1, 'x') + "\"");
}

TEST (AaxHostServicesHolder, AFactoryAnswerWithoutAFactoryThrowsAndKeepsNothing)
{
    Host host;
    HostServicesReset reset;
    host.answerWithoutInterface (IID_IACFComponentFactory);

    EXPECT_THROW (AAX_CHostServices::Set (host.unknown()), AAX_Result);
    EXPECT_EQ (AAX_CHostServices::Trace (0, "nothing"), AAX_SUCCESS);
    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
}

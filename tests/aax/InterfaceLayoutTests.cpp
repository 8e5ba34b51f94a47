#include <gtest/gtest.h>

#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFCollection.h"
#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IACFController.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IACFHostServices.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_IACFTransport.h"
#include "AAX_IACFViewContainer.h"
#include "AAX_CEffectGUI.h"
#include "AAX_CEffectParameters.h"
#include "AAX_IDisplayDelegate.h"
#include "AAX_IParameter.h"
#include "AAX_IParameterValue.h"
#include "AAX_IString.h"
#include "AAX_ITaperDelegate.h"
#include "CACFUnknown.h"

#include <cstring>

// The host calls our objects, and we call its, by position in the virtual table. These
// tests read each operation's position from the compiler's member-function pointer
// (Itanium C++ ABI: a virtual member is stored as 1 + its byte offset in the table).
namespace
{
    template <typename MemberPointer>
    int positionOf (MemberPointer member)
    {
        struct Representation
        {
            uintptr_t pointerOrOffset;
            ptrdiff_t thisAdjustment;
        };

        static_assert (sizeof (MemberPointer) == sizeof (Representation), "Itanium member-function pointers");
        Representation r;
        std::memcpy (&r, &member, sizeof (r));

        if ((r.pointerOrOffset & 1) == 0 || r.thisAdjustment != 0)
            return -1;

        return static_cast<int> ((r.pointerOrOffset - 1) / sizeof (void*));
    }
}

TEST (HostInterfaceLayout, UnknownAndFactory)
{
    EXPECT_EQ (positionOf (&IACFUnknown::QueryInterface), 0);
    EXPECT_EQ (positionOf (&IACFUnknown::AddRef), 1);
    EXPECT_EQ (positionOf (&IACFUnknown::Release), 2);
    EXPECT_EQ (positionOf (&IACFComponentFactory::CreateInstance), 3);
}

TEST (HostInterfaceLayout, CollectionAndDescriptors)
{
    EXPECT_EQ (positionOf (&AAX_IACFCollection::AddEffect), 7);
    EXPECT_EQ (positionOf (&AAX_IACFCollection::SetManufacturerName), 8);
    EXPECT_EQ (positionOf (&AAX_IACFCollection::AddPackageName), 9);
    EXPECT_EQ (positionOf (&AAX_IACFCollection::SetPackageVersion), 10);
    EXPECT_EQ (positionOf (&AAX_IACFCollection::SetProperties), 11);

    EXPECT_EQ (positionOf (&AAX_IACFEffectDescriptor::AddComponent), 3);
    EXPECT_EQ (positionOf (&AAX_IACFEffectDescriptor::AddName), 4);
    EXPECT_EQ (positionOf (&AAX_IACFEffectDescriptor::AddCategory), 5);
    EXPECT_EQ (positionOf (&AAX_IACFEffectDescriptor::AddCategoryBypassParameter), 6);
    EXPECT_EQ (positionOf (&AAX_IACFEffectDescriptor::AddProcPtr), 7);
    EXPECT_EQ (positionOf (&AAX_IACFEffectDescriptor::SetProperties), 8);
    EXPECT_EQ (positionOf (&AAX_IACFEffectDescriptor::AddResourceInfo), 9);
    EXPECT_EQ (positionOf (&AAX_IACFEffectDescriptor::AddMeterDescription), 10);
    EXPECT_EQ (positionOf (&AAX_IACFEffectDescriptor_V2::AddControlMIDINode), 11);

    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::Clear), 3);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddReservedField), 4);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddAudioIn), 5);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddAudioOut), 6);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddAudioBufferLength), 7);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddSampleRate), 8);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddClock), 9);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddSideChainIn), 10);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddDataInPort), 11);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddAuxOutputStem), 12);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddPrivateData), 13);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddDmaInstance), 14);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddMIDINode), 15);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddProcessProc_Native), 16);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddProcessProc_TI), 17);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor::AddMeters), 18);
    EXPECT_EQ (positionOf (&AAX_IACFComponentDescriptor_V2::AddTemporaryData), 19);

    EXPECT_EQ (positionOf (&AAX_IACFPropertyMap::GetProperty), 3);
    EXPECT_EQ (positionOf (&AAX_IACFPropertyMap::AddProperty), 4);
    EXPECT_EQ (positionOf (&AAX_IACFPropertyMap::RemoveProperty), 5);
    EXPECT_EQ (positionOf (&AAX_IACFPropertyMap_V2::AddPropertyWithIDArray), 6);
    EXPECT_EQ (positionOf (&AAX_IACFPropertyMap_V2::GetPropertyWithIDArray), 7);
}

TEST (HostInterfaceLayout, Controller)
{
    EXPECT_EQ (positionOf (&AAX_IACFController::GetEffectID), 3);
    EXPECT_EQ (positionOf (&AAX_IACFController::GetEffectSampleRate), 4);
    EXPECT_EQ (positionOf (&AAX_IACFController::GetEffectInputStemFormat), 5);
    EXPECT_EQ (positionOf (&AAX_IACFController::GetEffectOutputStemFormat), 6);
    EXPECT_EQ (positionOf (&AAX_IACFController::GetSignalLatency), 7);
    EXPECT_EQ (positionOf (&AAX_IACFController::GetCycleCount), 8);
    EXPECT_EQ (positionOf (&AAX_IACFController::GetTODLocation), 9);
    EXPECT_EQ (positionOf (&AAX_IACFController::SetSignalLatency), 10);
    EXPECT_EQ (positionOf (&AAX_IACFController::SetCycleCount), 11);
    EXPECT_EQ (positionOf (&AAX_IACFController::PostPacket), 12);
    EXPECT_EQ (positionOf (&AAX_IACFController::GetCurrentMeterValue), 13);
    EXPECT_EQ (positionOf (&AAX_IACFController::GetMeterPeakValue), 14);
    EXPECT_EQ (positionOf (&AAX_IACFController::ClearMeterPeakValue), 15);
    EXPECT_EQ (positionOf (&AAX_IACFController::GetMeterClipped), 16);
    EXPECT_EQ (positionOf (&AAX_IACFController::ClearMeterClipped), 17);
    EXPECT_EQ (positionOf (&AAX_IACFController::GetMeterCount), 18);
    EXPECT_EQ (positionOf (&AAX_IACFController::GetNextMIDIPacket), 19);
    EXPECT_EQ (positionOf (&AAX_IACFController_V2::SendNotification), 20);
    EXPECT_EQ (positionOf (&AAX_IACFController_V2::GetHybridSignalLatency), 21);
    EXPECT_EQ (positionOf (&AAX_IACFController_V2::GetCurrentAutomationTimestamp), 22);
    EXPECT_EQ (positionOf (&AAX_IACFController_V2::GetHostName), 23);
    EXPECT_EQ (positionOf (&AAX_IACFController_V3::GetPlugInTargetPlatform), 24);
    EXPECT_EQ (positionOf (&AAX_IACFController_V3::GetIsAudioSuite), 25);
}

TEST (HostInterfaceLayout, AutomationTransportViewAndServices)
{
    EXPECT_EQ (positionOf (&AAX_IACFAutomationDelegate::RegisterParameter), 3);
    EXPECT_EQ (positionOf (&AAX_IACFAutomationDelegate::UnregisterParameter), 4);
    EXPECT_EQ (positionOf (&AAX_IACFAutomationDelegate::PostSetValueRequest), 5);
    EXPECT_EQ (positionOf (&AAX_IACFAutomationDelegate::PostCurrentValue), 6);
    EXPECT_EQ (positionOf (&AAX_IACFAutomationDelegate::PostTouchRequest), 7);
    EXPECT_EQ (positionOf (&AAX_IACFAutomationDelegate::PostReleaseRequest), 8);
    EXPECT_EQ (positionOf (&AAX_IACFAutomationDelegate::GetTouchState), 9);

    EXPECT_EQ (positionOf (&AAX_IACFTransport::GetCurrentTempo), 3);
    EXPECT_EQ (positionOf (&AAX_IACFTransport::GetCurrentMeter), 4);
    EXPECT_EQ (positionOf (&AAX_IACFTransport::IsTransportPlaying), 5);
    EXPECT_EQ (positionOf (&AAX_IACFTransport::GetCurrentTickPosition), 6);
    EXPECT_EQ (positionOf (&AAX_IACFTransport::GetCurrentLoopPosition), 7);
    EXPECT_EQ (positionOf (&AAX_IACFTransport::GetCurrentNativeSampleLocation), 8);
    EXPECT_EQ (positionOf (&AAX_IACFTransport::GetCustomTickPosition), 9);
    EXPECT_EQ (positionOf (&AAX_IACFTransport::GetBarBeatPosition), 10);
    EXPECT_EQ (positionOf (&AAX_IACFTransport::GetTicksPerQuarter), 11);
    EXPECT_EQ (positionOf (&AAX_IACFTransport::GetCurrentTicksPerBeat), 12);
    EXPECT_EQ (positionOf (&AAX_IACFTransport_V2::GetTimelineSelectionStartPosition), 13);
    EXPECT_EQ (positionOf (&AAX_IACFTransport_V2::GetTimeCodeInfo), 14);
    EXPECT_EQ (positionOf (&AAX_IACFTransport_V2::GetFeetFramesInfo), 15);
    EXPECT_EQ (positionOf (&AAX_IACFTransport_V2::IsMetronomeEnabled), 16);

    EXPECT_EQ (positionOf (&AAX_IACFViewContainer::GetType), 3);
    EXPECT_EQ (positionOf (&AAX_IACFViewContainer::GetPtr), 4);
    EXPECT_EQ (positionOf (&AAX_IACFViewContainer::GetModifiers), 5);
    EXPECT_EQ (positionOf (&AAX_IACFViewContainer::SetViewSize), 6);
    EXPECT_EQ (positionOf (&AAX_IACFViewContainer::HandleParameterMouseDown), 7);
    EXPECT_EQ (positionOf (&AAX_IACFViewContainer::HandleParameterMouseDrag), 8);
    EXPECT_EQ (positionOf (&AAX_IACFViewContainer::HandleParameterMouseUp), 9);
    EXPECT_EQ (positionOf (&AAX_IACFViewContainer_V2::HandleMultipleParametersMouseDown), 10);
    EXPECT_EQ (positionOf (&AAX_IACFViewContainer_V2::HandleMultipleParametersMouseDrag), 11);
    EXPECT_EQ (positionOf (&AAX_IACFViewContainer_V2::HandleMultipleParametersMouseUp), 12);

    EXPECT_EQ (positionOf (&AAX_IACFHostServices::Assert), 3);
    EXPECT_EQ (positionOf (&AAX_IACFHostServices::Trace), 4);
    EXPECT_EQ (positionOf (&AAX_IACFHostServices_V2::StackTrace), 5);
}

TEST (HostInterfaceLayout, StringInterface)
{
    using AssignText = AAX_IString& (AAX_IString::*) (const AAX_IString&);
    using AssignChars = AAX_IString& (AAX_IString::*) (const char*);

    EXPECT_EQ (positionOf (&AAX_IString::Length), 2);
    EXPECT_EQ (positionOf (&AAX_IString::MaxLength), 3);
    EXPECT_EQ (positionOf (&AAX_IString::Get), 4);
    EXPECT_EQ (positionOf (&AAX_IString::Set), 5);
    EXPECT_EQ (positionOf (static_cast<AssignText> (&AAX_IString::operator=)), 6);
    EXPECT_EQ (positionOf (static_cast<AssignChars> (&AAX_IString::operator=)), 7);
}

namespace
{
    /** Operations listed in declaration order take consecutive slots from the first. */
    template <typename... Members>
    void expectConsecutive (int first, Members... members)
    {
        for (int position : { positionOf (members)... })
            EXPECT_EQ (position, first++);
    }

    /** Reaches the GUI base's protected operations. */
    struct GuiPositions : public AAX_CEffectGUI
    {
        static void expectOwnOperationsFrom (int first)
        {
            expectConsecutive (first, &GuiPositions::CreateViewContents, &GuiPositions::CreateViewContainer,
                               &GuiPositions::DeleteViewContainer, &GuiPositions::UpdateAllParameters);
        }
    };
}

TEST (LibraryLayout, ObjectBaseParameterAndDelegates)
{
    using Display = AAX_IDisplayDelegate<float>;
    using Taper = AAX_ITaperDelegate<float>;
    using ValueToText = bool (Display::*) (float, AAX_CString*) const;
    using LimitedValueToText = bool (Display::*) (float, int32_t, AAX_CString*) const;
    using LimitedTextFromValue = bool (AAX_IParameter::*) (double, int32_t, AAX_CString&) const;

    // Each after the destructor's two entries.
    expectConsecutive (2, &CACFUnknown::InitializeInstance, &CACFUnknown::FinalRelease, &CACFUnknown::ReclaimMemory,
                       &CACFUnknown::InternalQueryInterface, &CACFUnknown::InternalAddRef, &CACFUnknown::InternalRelease);
    expectConsecutive (2, &Taper::Clone, &Taper::GetMaximumValue, &Taper::GetMinimumValue, &Taper::ConstrainRealValue,
                       &Taper::NormalizedToReal, &Taper::RealToNormalized);
    expectConsecutive (2, &Display::Clone, static_cast<ValueToText> (&Display::ValueToString),
                       static_cast<LimitedValueToText> (&Display::ValueToString), &Display::StringToValue);
    expectConsecutive (2, &AAX_IParameterValue::Clone, &AAX_IParameterValue::Identifier, &AAX_IParameterValue::GetValueAsBool);

    EXPECT_EQ (positionOf (&AAX_IParameter::CloneValue), 2);
    EXPECT_EQ (positionOf (&AAX_IParameter::SetNormalizedValue), 13);
    EXPECT_EQ (positionOf (static_cast<LimitedTextFromValue> (&AAX_IParameter::GetStringFromNormalizedValue)), 36);
    EXPECT_EQ (positionOf (&AAX_IParameter::SetValueWithString), 47);
    EXPECT_EQ (positionOf (&AAX_IParameter::UpdateNormalizedValue), 54);
}

TEST (HostInterfaceLayout, EffectParametersAndGUI)
{
    using V1 = AAX_IACFEffectParameters;
    using V2 = AAX_IACFEffectParameters_V2;
    using V3 = AAX_IACFEffectParameters_V3;
    using GUI = AAX_IACFEffectGUI;

    expectConsecutive (3,
        &V1::Initialize, &V1::Uninitialize, &V1::NotificationReceived, &V1::GetNumberOfParameters, &V1::GetMasterBypassParameter,
        &V1::GetParameterIsAutomatable, &V1::GetParameterNumberOfSteps, &V1::GetParameterName, &V1::GetParameterNameOfLength,
        &V1::GetParameterDefaultNormalizedValue, &V1::SetParameterDefaultNormalizedValue, &V1::GetParameterType,
        &V1::GetParameterOrientation, &V1::GetParameter, &V1::GetParameterIndex, &V1::GetParameterIDFromIndex,
        &V1::GetParameterValueInfo, &V1::GetParameterValueFromString, &V1::GetParameterStringFromValue, &V1::GetParameterValueString,
        &V1::GetParameterNormalizedValue, &V1::SetParameterNormalizedValue, &V1::SetParameterNormalizedRelative, &V1::TouchParameter,
        &V1::ReleaseParameter, &V1::UpdateParameterTouch, &V1::UpdateParameterNormalizedValue, &V1::UpdateParameterNormalizedRelative,
        &V1::GenerateCoefficients, &V1::ResetFieldData, &V1::GetNumberOfChunks, &V1::GetChunkIDFromIndex, &V1::GetChunkSize,
        &V1::GetChunk, &V1::SetChunk, &V1::CompareActiveChunk, &V1::GetNumberOfChanges, &V1::TimerWakeup, &V1::GetCurveData,
        &V1::GetCustomData, &V1::SetCustomData, &V2::DoMIDITransfers, &V2::RenderAudio_Hybrid, &V2::UpdateMIDINodes,
        &V2::UpdateControlMIDINodes, &V3::GetCurveDataMeterIds, &V3::GetCurveDataDisplayRange, &AAX_IEffectParameters::InternalQueryInterface);

    expectConsecutive (3, &GUI::Initialize, &GUI::Uninitialize, &GUI::NotificationReceived, &GUI::SetViewContainer, &GUI::GetViewSize,
                       &GUI::Draw, &GUI::TimerWakeup, &GUI::ParameterUpdated, &GUI::GetCustomLabel, &GUI::SetControlHighlightInfo,
                       &AAX_IEffectGUI::InternalQueryInterface);

    // The objects' own operations follow the destructor's two entries.
    EXPECT_EQ (positionOf (&AAX_CEffectParameters::EffectInit), 53);
    GuiPositions::expectOwnOperationsFrom (16);
}

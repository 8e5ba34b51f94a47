#pragma once

#include "FakeHost.h"

#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFCollection.h"
#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IACFController.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IACFHostServices.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_IACFTransport.h"
#include "AAX_IACFViewContainer.h"
#include "AAX_IString.h"

/** The stand-in host's implementations of every host interface the library calls. Each
    version's class carries the operations of the versions before it, as the host's do.
*/
namespace fakehost
{
    class ComponentFactory : public FakeInterface<IACFComponentFactory>
    {
    public:
        using FakeInterface::FakeInterface;

        ACFRESULT CreateInstance (const acfCLSID& clsid, IACFUnknown* outer, const acfIID& iid, void** out) override
        {
            log ("CreateInstance", outer);
            *out = nullptr;

            if (auto* component = host.makeComponent (clsid))
                return component->query (iid, out);

            return ACF_E_NOINTERFACE;
        }
    };

    class PluginDefinition : public FakeInterface<IACFPluginDefinition>
    {
    public:
        using FakeInterface::FakeInterface;
    };

    class CollectionV1 : public FakeInterface<AAX_IACFCollection>
    {
    public:
        using FakeInterface::FakeInterface;

        AAX_Result UnusedOperation3() override                          { return log ("UnusedOperation3"); }
        AAX_Result UnusedOperation4() override                          { return log ("UnusedOperation4"); }
        AAX_Result UnusedOperation5() override                          { return log ("UnusedOperation5"); }
        AAX_Result UnusedOperation6() override                          { return log ("UnusedOperation6"); }
        AAX_Result AddEffect (const char* id, IACFUnknown* d) override  { return log ("AddEffect", id, d); }
        AAX_Result SetManufacturerName (const char* n) override         { return log ("SetManufacturerName", n); }
        AAX_Result AddPackageName (const char* n) override              { return log ("AddPackageName", n); }
        AAX_Result SetPackageVersion (uint32_t v) override              { return log ("SetPackageVersion", v); }
        AAX_Result SetProperties (IACFUnknown* p) override              { return log ("SetProperties", p); }
    };

    template <typename Base>
    class EffectDescriptorV1Calls : public Base
    {
    public:
        using Base::Base;

        AAX_Result AddComponent (IACFUnknown* c) override                          { return this->log ("AddComponent", c); }
        AAX_Result AddName (const char* n) override                                { return this->log ("AddName", n); }
        AAX_Result AddCategory (uint32_t c) override                               { return this->log ("AddCategory", c); }
        AAX_Result AddCategoryBypassParameter (uint32_t c, AAX_CParamID p) override { return this->log ("AddCategoryBypassParameter", c, p); }
        AAX_Result AddProcPtr (void* p, AAX_CProcPtrID id) override
        {
            this->host.procPointers[id] = p;
            return this->log ("AddProcPtr", p, id);
        }
        AAX_Result SetProperties (IACFUnknown* p) override                         { return this->log ("SetProperties", p); }
        AAX_Result AddResourceInfo (AAX_EResourceType t, const char* i) override   { return this->log ("AddResourceInfo", t, i); }
        AAX_Result AddMeterDescription (AAX_CTypeID id, const char* n, IACFUnknown* p) override { return this->log ("AddMeterDescription", id, n, p); }
    };

    using EffectDescriptorV1 = EffectDescriptorV1Calls<FakeInterface<AAX_IACFEffectDescriptor>>;

    class EffectDescriptorV2 : public EffectDescriptorV1Calls<FakeInterface<AAX_IACFEffectDescriptor_V2>>
    {
    public:
        using EffectDescriptorV1Calls::EffectDescriptorV1Calls;

        AAX_Result AddControlMIDINode (AAX_CTypeID id, AAX_EMIDINodeType t, const char* n, uint32_t m) override
        {
            return log ("AddControlMIDINode", id, t, n, m);
        }
    };

    template <typename Base>
    class ComponentDescriptorV1Calls : public Base
    {
    public:
        using Base::Base;

        AAX_Result Clear() override                                                { return this->log ("Clear"); }
        AAX_Result AddReservedField (AAX_CFieldIndex f, uint32_t t) override       { return this->log ("AddReservedField", f, t); }
        AAX_Result AddAudioIn (AAX_CFieldIndex f) override                         { field (f, Kind::audioIn, 0); return this->log ("AddAudioIn", f); }
        AAX_Result AddAudioOut (AAX_CFieldIndex f) override                        { field (f, Kind::audioOut, 0); return this->log ("AddAudioOut", f); }
        AAX_Result AddAudioBufferLength (AAX_CFieldIndex f) override               { field (f, Kind::bufferLength, 0); return this->log ("AddAudioBufferLength", f); }
        AAX_Result AddSampleRate (AAX_CFieldIndex f) override                      { return this->log ("AddSampleRate", f); }
        AAX_Result AddClock (AAX_CFieldIndex f) override                           { return this->log ("AddClock", f); }
        AAX_Result AddSideChainIn (AAX_CFieldIndex f) override                     { return this->log ("AddSideChainIn", f); }
        AAX_Result AddDataInPort (AAX_CFieldIndex f, uint32_t s, AAX_EDataInPortType t) override { field (f, Kind::dataPort, s); return this->log ("AddDataInPort", f, s, t); }
        AAX_Result AddAuxOutputStem (AAX_CFieldIndex f, int32_t s, const char* n) override      { return this->log ("AddAuxOutputStem", f, s, n); }
        AAX_Result AddPrivateData (AAX_CFieldIndex f, int32_t s, uint32_t o) override           { field (f, Kind::privateData, (uint32_t) s); return this->log ("AddPrivateData", f, s, o); }
        AAX_Result AddDmaInstance (AAX_CFieldIndex f, AAX_IDma::EMode m) override               { return this->log ("AddDmaInstance", f, m); }
        AAX_Result AddMIDINode (AAX_CFieldIndex f, AAX_EMIDINodeType t, const char* n, uint32_t m) override { return this->log ("AddMIDINode", f, t, n, m); }

        AAX_Result AddProcessProc_Native (AAX_CProcessProc p, IACFUnknown* m, AAX_CInstanceInitProc i,
                                          AAX_CBackgroundProc b, AAX_CTypeID* id) override
        {
            auto& described = this->host.componentOf (this->object);
            described.process = p;
            described.properties = m;
            return this->log ("AddProcessProc_Native", p, m, i, b, id);
        }

        AAX_Result AddProcessProc_TI (const char* d, const char* p, IACFUnknown* m, const char* i,
                                      const char* b, AAX_CTypeID* id) override
        {
            return this->log ("AddProcessProc_TI", d, p, m, i, b, id);
        }

        AAX_Result AddMeters (AAX_CFieldIndex f, const AAX_CTypeID* ids, uint32_t n) override  { return this->log ("AddMeters", f, ids, n); }

    private:
        using Kind = DescribedComponent::FieldKind;

        void field (AAX_CFieldIndex index, Kind kind, uint32_t size)
        {
            this->host.componentOf (this->object).fields[index] = { kind, size };
        }
    };

    using ComponentDescriptorV1 = ComponentDescriptorV1Calls<FakeInterface<AAX_IACFComponentDescriptor>>;

    class ComponentDescriptorV2 : public ComponentDescriptorV1Calls<FakeInterface<AAX_IACFComponentDescriptor_V2>>
    {
    public:
        using ComponentDescriptorV1Calls::ComponentDescriptorV1Calls;

        AAX_Result AddTemporaryData (AAX_CFieldIndex f, uint32_t s) override       { return log ("AddTemporaryData", f, s); }
    };

    /** The properties a host property map holds, shared by its two versions. */
    using PropertyStore = std::map<AAX_EProperty, AAX_CPropertyValue>;

    template <typename Base>
    class PropertyMapV1Calls : public Base
    {
    public:
        PropertyMapV1Calls (HostObject& o, Host& h, std::string n, PropertyStore& s) : Base (o, h, std::move (n)), store (s) {}

        AAX_CBoolean GetProperty (AAX_EProperty p, AAX_CPropertyValue* v) const override
        {
            this->log ("GetProperty", p, v);
            const auto found = store.find (p);

            if (found == store.end())
                return 0;

            *v = found->second;
            return 1;
        }

        AAX_Result AddProperty (AAX_EProperty p, AAX_CPropertyValue v) override    { store[p] = v; return this->log ("AddProperty", p, v); }
        AAX_Result RemoveProperty (AAX_EProperty p) override                       { store.erase (p); return this->log ("RemoveProperty", p); }

        const PropertyStore& properties() const                                    { return store; }

    protected:
        PropertyStore& store;
    };

    using PropertyMapV1 = PropertyMapV1Calls<FakeInterface<AAX_IACFPropertyMap>>;

    class PropertyMapV2 : public PropertyMapV1Calls<FakeInterface<AAX_IACFPropertyMap_V2>>
    {
    public:
        using PropertyMapV1Calls::PropertyMapV1Calls;

        AAX_Result AddPropertyWithIDArray (AAX_EProperty p, const AAX_SPlugInIdentifierTriad* ids, uint32_t n) override
        {
            return log ("AddPropertyWithIDArray", p, ids, n);
        }

        AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty p, const AAX_SPlugInIdentifierTriad** ids, uint32_t* n) const override
        {
            log ("GetPropertyWithIDArray", p, ids, n);
            *ids = nullptr;
            *n = 0;
            return 1;
        }
    };

    template <typename Base>
    class HostServicesV1Calls : public Base
    {
    public:
        using Base::Base;

        AAX_Result Assert (const char* f, int32_t l, const char* n) override       { return this->log ("Assert", f, l, n); }
        AAX_Result Trace (int32_t p, const char* m) override                       { return this->log ("Trace", p, m); }
    };

    using HostServicesV1 = HostServicesV1Calls<FakeInterface<AAX_IACFHostServices>>;

    class HostServicesV2 : public HostServicesV1Calls<FakeInterface<AAX_IACFHostServices_V2>>
    {
    public:
        using HostServicesV1Calls::HostServicesV1Calls;

        AAX_Result StackTrace (int32_t t, int32_t s, const char* m) override       { return log ("StackTrace", t, s, m); }
    };

    template <typename Base>
    class ControllerV1Calls : public Base
    {
    public:
        using Base::Base;

        AAX_Result GetEffectID (AAX_IString* id) const override
        {
            if (id != nullptr)
                id->Set (Host::effectID);

            return this->log ("GetEffectID", id);
        }

        AAX_Result GetEffectSampleRate (float* r) const override                    { return this->answer ("GetEffectSampleRate", r, &SessionAnswers::sampleRate); }
        AAX_Result GetEffectInputStemFormat (AAX_EStemFormat* f) const override     { return this->answer ("GetEffectInputStemFormat", f, &SessionAnswers::inputStemFormat); }
        AAX_Result GetEffectOutputStemFormat (AAX_EStemFormat* f) const override    { return this->answer ("GetEffectOutputStemFormat", f, &SessionAnswers::outputStemFormat); }
        AAX_Result GetSignalLatency (int32_t* s) const override                     { return this->log ("GetSignalLatency", s); }
        AAX_Result GetCycleCount (AAX_EProperty p, int32_t* c) const override       { return this->log ("GetCycleCount", p, c); }
        AAX_Result GetTODLocation (int64_t* t) const override                       { return this->log ("GetTODLocation", t); }
        AAX_Result SetSignalLatency (int32_t s) override                            { return this->log ("SetSignalLatency", s); }
        AAX_Result SetCycleCount (AAX_EProperty* p, int32_t* v, int32_t n) override { return this->log ("SetCycleCount", p, v, n); }
        AAX_Result PostPacket (AAX_CFieldIndex f, const void* p, uint32_t s) override
        {
            {
                const std::lock_guard<std::mutex> lock (this->host.recordLock);
                const auto* bytes = static_cast<const char*> (p);
                this->host.packets[f] = bytes != nullptr ? std::vector<char> (bytes, bytes + s) : std::vector<char>();
            }

            return this->log ("PostPacket", f, p, s);
        }
        AAX_Result GetCurrentMeterValue (AAX_CTypeID m, float* v) const override    { return this->log ("GetCurrentMeterValue", m, v); }
        AAX_Result GetMeterPeakValue (AAX_CTypeID m, float* v) const override       { return this->log ("GetMeterPeakValue", m, v); }
        AAX_Result ClearMeterPeakValue (AAX_CTypeID m) const override               { return this->log ("ClearMeterPeakValue", m); }
        AAX_Result GetMeterClipped (AAX_CTypeID m, AAX_CBoolean* c) const override  { return this->log ("GetMeterClipped", m, c); }
        AAX_Result ClearMeterClipped (AAX_CTypeID m) const override                 { return this->log ("ClearMeterClipped", m); }
        AAX_Result GetMeterCount (uint32_t* n) const override                       { return this->log ("GetMeterCount", n); }
        AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* p, AAX_CMidiPacket* m) override { return this->log ("GetNextMIDIPacket", p, m); }
    };

    template <typename Base>
    class ControllerV2Calls : public ControllerV1Calls<Base>
    {
    public:
        using ControllerV1Calls<Base>::ControllerV1Calls;

        AAX_Result SendNotification (AAX_CTypeID t, const void* d, uint32_t s) override { return this->log ("SendNotification", t, d, s); }
        AAX_Result GetHybridSignalLatency (int32_t* s) const override               { return this->log ("GetHybridSignalLatency", s); }
        AAX_Result GetCurrentAutomationTimestamp (int64_t* t) const override        { return this->log ("GetCurrentAutomationTimestamp", t); }

        AAX_Result GetHostName (AAX_IString* n) const override
        {
            if (n != nullptr)
                n->Set (Host::hostName);

            return this->log ("GetHostName", n);
        }
    };

    using ControllerV1 = ControllerV1Calls<FakeInterface<AAX_IACFController>>;
    using ControllerV2 = ControllerV2Calls<FakeInterface<AAX_IACFController_V2>>;

    class ControllerV3 : public ControllerV2Calls<FakeInterface<AAX_IACFController_V3>>
    {
    public:
        using ControllerV2Calls::ControllerV2Calls;

        AAX_Result GetPlugInTargetPlatform (int32_t* p) const override              { return log ("GetPlugInTargetPlatform", p); }
        AAX_Result GetIsAudioSuite (AAX_CBoolean* a) const override                 { return log ("GetIsAudioSuite", a); }
    };

    class AutomationDelegateV1 : public FakeInterface<AAX_IACFAutomationDelegate>
    {
    public:
        using FakeInterface::FakeInterface;

        AAX_Result RegisterParameter (AAX_CParamID p) override                      { return log ("RegisterParameter", p); }
        AAX_Result UnregisterParameter (AAX_CParamID p) override                    { return log ("UnregisterParameter", p); }
        AAX_Result PostSetValueRequest (AAX_CParamID p, double v) const override
        {
            {
                const std::lock_guard<std::mutex> lock (host.recordLock);
                host.setRequests.emplace_back (p, v);
            }

            return log ("PostSetValueRequest", p, v);
        }
        AAX_Result PostCurrentValue (AAX_CParamID p, double v) const override       { return log ("PostCurrentValue", p, v); }
        AAX_Result PostTouchRequest (AAX_CParamID p) override                       { return log ("PostTouchRequest", p); }
        AAX_Result PostReleaseRequest (AAX_CParamID p) override                     { return log ("PostReleaseRequest", p); }
        AAX_Result GetTouchState (AAX_CParamID p, AAX_CBoolean* t) override         { return log ("GetTouchState", p, t); }
    };

    template <typename Base>
    class TransportV1Calls : public Base
    {
    public:
        using Base::Base;

        AAX_Result GetCurrentTempo (double* t) const override                       { return this->answer ("GetCurrentTempo", t, &SessionAnswers::tempo); }
        AAX_Result GetCurrentMeter (int32_t* n, int32_t* d) const override          { return this->log ("GetCurrentMeter", n, d); }
        AAX_Result IsTransportPlaying (bool* p) const override                      { return this->log ("IsTransportPlaying", p); }
        AAX_Result GetCurrentTickPosition (int64_t* t) const override               { return this->log ("GetCurrentTickPosition", t); }
        AAX_Result GetCurrentLoopPosition (bool* l, int64_t* s, int64_t* e) const override { return this->log ("GetCurrentLoopPosition", l, s, e); }
        AAX_Result GetCurrentNativeSampleLocation (int64_t* s) const override       { return this->log ("GetCurrentNativeSampleLocation", s); }
        AAX_Result GetCustomTickPosition (int64_t* t, int64_t s) const override     { return this->log ("GetCustomTickPosition", t, s); }
        AAX_Result GetBarBeatPosition (int32_t* b, int32_t* bt, int64_t* t, int64_t s) const override { return this->log ("GetBarBeatPosition", b, bt, t, s); }
        AAX_Result GetTicksPerQuarter (uint32_t* t) const override                  { return this->log ("GetTicksPerQuarter", t); }
        AAX_Result GetCurrentTicksPerBeat (uint32_t* t) const override              { return this->log ("GetCurrentTicksPerBeat", t); }
    };

    using TransportV1 = TransportV1Calls<FakeInterface<AAX_IACFTransport>>;

    class TransportV2 : public TransportV1Calls<FakeInterface<AAX_IACFTransport_V2>>
    {
    public:
        using TransportV1Calls::TransportV1Calls;

        AAX_Result GetTimelineSelectionStartPosition (int64_t* s) const override    { return log ("GetTimelineSelectionStartPosition", s); }
        AAX_Result GetTimeCodeInfo (AAX_EFrameRate* r, int32_t* o) const override   { return log ("GetTimeCodeInfo", r, o); }
        AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* r, int64_t* o) const override { return log ("GetFeetFramesInfo", r, o); }
        AAX_Result IsMetronomeEnabled (int32_t* e) const override                   { return log ("IsMetronomeEnabled", e); }
    };

    template <typename Base>
    class ViewContainerV1Calls : public Base
    {
    public:
        using Base::Base;

        int32_t GetType() override                                                  { this->log ("GetType"); return this->host.containerType; }
        void* GetPtr() override                                                     { this->log ("GetPtr"); return this->host.nativeViewPointer; }
        AAX_Result GetModifiers (uint32_t* m) override                              { return this->log ("GetModifiers", m); }
        AAX_Result SetViewSize (AAX_Point& s) override                              { return this->log ("SetViewSize", s); }
        AAX_Result HandleParameterMouseDown (AAX_CParamID p, uint32_t m) override   { return this->log ("HandleParameterMouseDown", p, m); }
        AAX_Result HandleParameterMouseDrag (AAX_CParamID p, uint32_t m) override   { return this->log ("HandleParameterMouseDrag", p, m); }
        AAX_Result HandleParameterMouseUp (AAX_CParamID p, uint32_t m) override     { return this->log ("HandleParameterMouseUp", p, m); }
    };

    using ViewContainerV1 = ViewContainerV1Calls<FakeInterface<AAX_IACFViewContainer>>;

    class ViewContainerV2 : public ViewContainerV1Calls<FakeInterface<AAX_IACFViewContainer_V2>>
    {
    public:
        using ViewContainerV1Calls::ViewContainerV1Calls;

        AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* p, uint32_t n, uint32_t m) override { return log ("HandleMultipleParametersMouseDown", p, n, m); }
        AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* p, uint32_t n, uint32_t m) override { return log ("HandleMultipleParametersMouseDrag", p, n, m); }
        AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* p, uint32_t n, uint32_t m) override   { return log ("HandleMultipleParametersMouseUp", p, n, m); }
    };
}

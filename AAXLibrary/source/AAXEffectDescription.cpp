#include "AAXAlgorithmContext.h"
#include "AAXEffectGUIAdapter.h"
#include "AAXEffectParametersAdapter.h"
#include "AAXPluginIdentity.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"
#include "AAX_Init.h"

// The plug-in's description for the host: one effect with a component per channel
// layout, and the functions the host calls to create its objects and to process audio.

namespace
{
    /** The creation function the host calls for a new object of the given kind: its
        host-visible interface, or null when it cannot be made.
    */
    template <typename Object>
    IACFUnknown* createObject()
    {
        try
        {
            return (new Object())->getHostInterface();
        }
        catch (...)
        {
            return nullptr;
        }
    }

    /** The process routine of one channel layout: renders every instance the host passes. */
    template <int numInputs, int numOutputs>
    void processInstances (void* const instancesBegin[], const void* instancesEnd)
    {
        if (instancesBegin == nullptr)
            return;

        for (auto* const* instance = instancesBegin; static_cast<const void*> (instance) < instancesEnd; ++instance)
            if (*instance != nullptr)
                AAXEffectParametersAdapter::renderInstance (*static_cast<const AAXAlgorithmContext*> (*instance), numInputs, numOutputs);
    }

    struct ChannelLayout
    {
        AAX_EStemFormat input, output;
        AAX_CProcessProc process;
    };

    /** The layouts in the order of their plug-in identifiers. */
    const ChannelLayout channelLayouts[] = {
        { AAX_eStemFormat_Mono, AAX_eStemFormat_Mono, processInstances<1, 1> },
        { AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo, processInstances<1, 2> },
        { AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo, processInstances<2, 2> },
    };

    void describeComponent (AAX_IEffectDescriptor& effect, const ChannelLayout& layout, AAX_CTypeID layoutIndex)
    {
        auto* component = effect.NewComponentDescriptor();

        if (component == nullptr)
            return;

        component->AddAudioIn (AAXAlgorithmFields::inputs);
        component->AddAudioOut (AAXAlgorithmFields::outputs);
        component->AddAudioBufferLength (AAXAlgorithmFields::bufferLength);
        component->AddDataInPort (AAXAlgorithmFields::bypass, sizeof (int32_t), AAX_eDataInPortType_Unbuffered);
        component->AddPrivateData (AAXAlgorithmFields::instance, sizeof (AAXEffectParametersAdapter*), 0);

        if (auto* properties = component->NewPropertyMap())
        {
            properties->AddProperty (AAX_eProperty_ManufacturerID, static_cast<int32_t> (AAXPluginIdentity::manufacturerID));
            properties->AddProperty (AAX_eProperty_ProductID, static_cast<int32_t> (AAXPluginIdentity::productID));
            properties->AddProperty (AAX_eProperty_PlugInID_Native, static_cast<int32_t> (AAXPluginIdentity::nativePlugInIDBase + layoutIndex));
            properties->AddProperty (AAX_eProperty_PlugInID_AudioSuite, static_cast<int32_t> (AAXPluginIdentity::audioSuitePlugInIDBase + layoutIndex));
            properties->AddProperty (AAX_eProperty_InputStemFormat, layout.input);
            properties->AddProperty (AAX_eProperty_OutputStemFormat, layout.output);
            properties->AddProperty (AAX_eProperty_CanBypass, 1);
            component->AddProcessProc_Native (layout.process, properties, nullptr, nullptr, nullptr);
        }

        effect.AddComponent (component);
    }
}

AAX_Result GetEffectDescriptions (AAX_ICollection* collection)
{
    auto* effect = collection != nullptr ? collection->NewDescriptor() : nullptr;

    if (effect == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    effect->AddName (AAXPluginIdentity::effectName);
    effect->AddName (AAXPluginIdentity::shortEffectName);
    effect->AddCategory (AAX_ePlugInCategory_Modulation);
    effect->AddProcPtr (reinterpret_cast<void*> (&createObject<AAXEffectGUIAdapter>), AAX_ProcPtrID_Create_EffectGUI);
    effect->AddProcPtr (reinterpret_cast<void*> (&createObject<AAXEffectParametersAdapter>), AAX_ProcPtrID_Create_EffectParameters);

    for (AAX_CTypeID index = 0; index < std::size (channelLayouts); ++index)
        describeComponent (*effect, channelLayouts[index], index);

    collection->AddEffect (AAXPluginIdentity::effectIdentifier, effect);
    collection->SetManufacturerName (AAXPluginIdentity::manufacturerName);
    collection->AddPackageName (AAXPluginIdentity::effectName);
    collection->AddPackageName (AAXPluginIdentity::shortEffectName);
    collection->SetPackageVersion (AAXPluginIdentity::packageVersion);
    return AAX_SUCCESS;
}

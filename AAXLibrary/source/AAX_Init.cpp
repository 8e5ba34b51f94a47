#include "AAX_Init.h"

#include "AAX_CHostServices.h"
#include "AAX_UIDs.h"
#include "AAX_VCollection.h"
#include "CACFUnknown.h"

AAX_Result AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** pluginDefinition)
{
    if (pluginDefinition == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    // The collection lives only for this call; it takes its descriptors and maps with it.
    AAX_VCollection collection (host);

    const auto result = GetEffectDescriptions (&collection);

    if (result != AAX_SUCCESS)
        return result;

    *pluginDefinition = nullptr;
    auto* hostCollection = collection.GetIUnknown();

    if (hostCollection == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    if (hostCollection->QueryInterface (IID_IACFPluginDefinition, reinterpret_cast<void**> (pluginDefinition)) != AAX_SUCCESS
         || *pluginDefinition == nullptr)
    {
        *pluginDefinition = nullptr;
        return AAX_ERROR_NULL_OBJECT;
    }

    return AAX_SUCCESS;
}

AAX_Result AAXRegisterComponent (IACFUnknown*, acfUInt32, IACFComponentDefinition** componentDefinition)
{
    if (componentDefinition != nullptr)
        *componentDefinition = nullptr;

    return AAX_SUCCESS;
}

AAX_Result AAXGetClassFactory (IACFUnknown*, const acfCLSID&, const acfIID&, void** classFactory)
{
    if (classFactory != nullptr)
        *classFactory = nullptr;

    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAXCanUnloadNow (IACFUnknown*)
{
    return CACFUnknown::GetActiveObjectCount();
}

AAX_Result AAXStartup (IACFUnknown* host)
{
    AAX_CHostServices::Set (host);
    return AAX_SUCCESS;
}

AAX_Result AAXShutdown (IACFUnknown*)
{
    AAX_CHostServices::Set (nullptr);
    return AAX_SUCCESS;
}

AAX_Result AAXGetSDKVersion (uint64_t* version)
{
    if (version == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    *version = AAX_SDK_VERSION;
    return AAX_SUCCESS;
}

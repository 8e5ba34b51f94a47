#include "AAX_Exports.h"

#include "AAX_Init.h"

namespace
{
    /** Runs an entry point's work; no exception may leave the bundle. */
    template <typename Work>
    ACFRESULT guarded (Work&& work) noexcept
    {
        try
        {
            return work();
        }
        catch (...)
        {
            return ACF_E_UNEXPECTED;
        }
    }
}

ACFRESULT ACFRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** pluginDefinition)
{
    return guarded ([&] { return AAXRegisterPlugin (host, pluginDefinition); });
}

ACFRESULT ACFRegisterComponent (IACFUnknown* host, acfUInt32 index, IACFComponentDefinition** componentDefinition)
{
    return guarded ([&] { return AAXRegisterComponent (host, index, componentDefinition); });
}

ACFRESULT ACFGetClassFactory (IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid, void** classFactory)
{
    return guarded ([&] { return AAXGetClassFactory (host, clsid, iid, classFactory); });
}

ACFRESULT ACFCanUnloadNow (IACFUnknown* host)
{
    return guarded ([&] { return AAXCanUnloadNow (host); });
}

ACFRESULT ACFStartup (IACFUnknown* host)
{
    return guarded ([&] { return AAXStartup (host); });
}

ACFRESULT ACFShutdown (IACFUnknown* host)
{
    return guarded ([&] { return AAXShutdown (host); });
}

ACFRESULT ACFGetSDKVersion (uint64_t* version)
{
    return guarded ([&] { return AAXGetSDKVersion (version); });
}

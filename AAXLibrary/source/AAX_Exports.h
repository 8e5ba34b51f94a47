#pragma once

#include "ACFUnknown.h"

/** The entry points an AAX host looks up in the bundle by name. Each forwards to its
    AAX... function and turns any exception into ACF_E_UNEXPECTED.
*/
#define AAX_EXPORT extern "C" __attribute__ ((visibility ("default")))

AAX_EXPORT ACFRESULT ACFRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** pluginDefinition);
AAX_EXPORT ACFRESULT ACFRegisterComponent (IACFUnknown* host, acfUInt32 index, IACFComponentDefinition** componentDefinition);
AAX_EXPORT ACFRESULT ACFGetClassFactory (IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid, void** classFactory);
AAX_EXPORT ACFRESULT ACFCanUnloadNow (IACFUnknown* host);
AAX_EXPORT ACFRESULT ACFStartup (IACFUnknown* host);
AAX_EXPORT ACFRESULT ACFShutdown (IACFUnknown* host);
AAX_EXPORT ACFRESULT ACFGetSDKVersion (uint64_t* version);

#pragma once

#include "ACFUnknown.h"

class AAX_ICollection;

/** The functions behind the bundle's exported entry points. Each may throw; the exports
    catch every exception.
*/

/** Describes the plug-in through the collection. Provided by the effect's adapter. */
AAX_Result GetEffectDescriptions (AAX_ICollection* collection);

/** Registration: describes the effect through a collection made by the host and hands
    the host its plug-in definition.
*/
AAX_Result AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** pluginDefinition);

/** The bundle registers no components: stores null and returns 0. */
AAX_Result AAXRegisterComponent (IACFUnknown* host, acfUInt32 index, IACFComponentDefinition** componentDefinition);

/** The bundle has no class factory: stores null and returns -20009. */
AAX_Result AAXGetClassFactory (IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid, void** classFactory);

/** The number of live objects; 0 when the bundle may be unloaded. */
AAX_Result AAXCanUnloadNow (IACFUnknown* host);

/** Keeps the host's services for traces. */
AAX_Result AAXStartup (IACFUnknown* host);

/** Lets go of the host's services. */
AAX_Result AAXShutdown (IACFUnknown* host);

/** Stores the version of the plug-in interface this library speaks. */
AAX_Result AAXGetSDKVersion (uint64_t* version);

/** The version AAXGetSDKVersion reports. */
constexpr uint64_t AAX_SDK_VERSION = 0x0000020200B45B38ull;

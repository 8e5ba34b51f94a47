#pragma once

#include "AAX.h"
#include "PluginIdentity.h"

/** What the AAX plug-in reports to hosts about itself. */
namespace AAXPluginIdentity
{
    constexpr AAX_CTypeID fourCharCode (const char (&code)[5])
    {
        return (AAX_CTypeID (uint8_t (code[0])) << 24) | (AAX_CTypeID (uint8_t (code[1])) << 16)
             | (AAX_CTypeID (uint8_t (code[2])) << 8) | AAX_CTypeID (uint8_t (code[3]));
    }

    constexpr const char* effectName = PluginIdentity::productName;
    constexpr const char* shortEffectName = "Lumiver";
    constexpr const char* manufacturerName = PluginIdentity::makerName;
    constexpr const char* effectIdentifier = "com.vardun.LumiverPX2741";

    constexpr AAX_CTypeID manufacturerID = fourCharCode ("VRD_");
    constexpr AAX_CTypeID productID = fourCharCode (PluginIdentity::productCode);

    /** The plug-in identifiers of the first channel layout; each further layout adds 1. */
    constexpr AAX_CTypeID nativePlugInIDBase = fourCharCode ("jcaa");
    constexpr AAX_CTypeID audioSuitePlugInIDBase = fourCharCode ("jyaa");

    constexpr uint32_t packageVersion = PluginIdentity::versionCode;

    /** The chunk that carries the processor's full state, beside the controls chunk. */
    constexpr AAX_CTypeID stateChunkID = fourCharCode ("juce");
    constexpr const char* stateChunkName = "Plug-in State";

    static_assert (manufacturerID == 0x5652445F && productID == 0x56707834);
    static_assert (nativePlugInIDBase == 0x6A636161 && audioSuitePlugInIDBase == 0x6A796161 && stateChunkID == 0x6A756365);
}

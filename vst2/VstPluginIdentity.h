#pragma once

#include "AEffect.h"
#include "PluginIdentity.h"

#include <cstdint>

/** What the VST 2.4 plug-in reports to hosts about itself. */
namespace VstPluginIdentity
{
    constexpr const char* effectName = PluginIdentity::productName;
    constexpr const char* productString = PluginIdentity::productName;
    constexpr const char* vendorString = PluginIdentity::makerName;
    constexpr int32_t uniqueId = fourCharCode (PluginIdentity::productCode);
    constexpr uint32_t versionCode = PluginIdentity::versionCode;

    /** The version as VST 2.4 hosts show it: the hex parts as decimal places
        (thousands, hundreds, tens, units), so 1.0.1 reads as 101.
    */
    constexpr int32_t decimalVersion = (int32_t) (((versionCode >> 24) & 0xff) * 1000
                                                + ((versionCode >> 16) & 0xff) * 100
                                                + ((versionCode >> 8) & 0xff) * 10
                                                + (versionCode & 0xff));
    static_assert (decimalVersion == 101);

    /** The effect category: a plain effect. */
    constexpr int32_t effectCategory = 1;
}

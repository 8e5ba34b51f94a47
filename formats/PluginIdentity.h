#pragma once

#include <cstdint>

/** What every plug-in format tells hosts about the product. Each format's own identity
    passes these on in the form its host expects.
*/
namespace PluginIdentity
{
    constexpr const char* productName = "Lumiver PX2741";
    constexpr const char* makerName = "Vardun";

    /** The product's four-character code, which the formats turn into a 32-bit number. */
    constexpr const char productCode[5] = "Vpx4";

    /** 1.0.1, one byte per part. */
    constexpr uint32_t versionCode = 0x10001;
}

#pragma once

/** The length, in samples, of every ramp and crossfade at a given sample rate.

    1024 below 34050 Hz, 2048 below 68000 Hz, 4096 below 136000 Hz and 8192
    otherwise (a NaN rate included). The thresholds are compared as floats.
*/
inline int getSampleRateClass (float sampleRate) noexcept
{
    if (sampleRate < 34050.0f)   return 1024;
    if (sampleRate < 68000.0f)   return 2048;
    if (sampleRate < 136000.0f)  return 4096;
    return 8192;
}

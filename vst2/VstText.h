#pragma once

#include <cstdint>

/** Writing text into buffers that a VST 2.4 host or effect provides. */
namespace VstText
{
    /** Copies at most maxLen characters of source into destination, a buffer
        of maxLen + 1 bytes, and fills the rest of it with zeros, so that the
        byte at maxLen is always zero. Nothing is written beyond the buffer.
        Does nothing when destination is missing or maxLen is negative; a
        missing source writes an empty text.
    */
    void copy (const char* source, char* destination, int32_t maxLen) noexcept;

    /** Appends source to the text already in destination, under the same
        limits; the byte at maxLen is zero afterwards.
    */
    void append (const char* source, char* destination, int32_t maxLen) noexcept;
}

#include "VstText.h"

#include <cstring>

namespace VstText
{
    void copy (const char* source, char* destination, int32_t maxLen) noexcept
    {
        if (destination == nullptr || maxLen < 0)
            return;

        std::memset (destination, 0, (size_t) maxLen + 1);
        append (source, destination, maxLen);
    }

    void append (const char* source, char* destination, int32_t maxLen) noexcept
    {
        if (destination == nullptr || maxLen < 0)
            return;

        auto length = (int32_t) strnlen (destination, (size_t) maxLen);

        if (source != nullptr)
            for (; length < maxLen && *source != 0; ++length)
                destination[length] = *source++;

        destination[length] = 0;
        destination[maxLen] = 0;
    }
}

#include "AAX_CHostServices.h"

#include "AAX_VHostServices.h"

#include <cstdarg>
#include <cstdio>

AAX_VHostServices* AAX_CHostServices::sHostServices = nullptr;

void AAX_CHostServices::Set (IACFUnknown* host)
{
    if (sHostServices == nullptr && host != nullptr)
    {
        // Should the construction throw, the new-expression frees the half-built services
        // and their holders release what they already hold.
        sHostServices = new AAX_VHostServices (host);
    }
    else if (sHostServices != nullptr && host == nullptr)
    {
        delete sHostServices;
        sHostServices = nullptr;
    }
}

AAX_Result AAX_CHostServices::Trace (int32_t priority, const char* format, ...)
{
    if (sHostServices == nullptr)
        return AAX_SUCCESS;

    char message[traceBufferSize];

    va_list arguments;
    va_start (arguments, format);
    const auto written = std::vsnprintf (message, sizeof (message), format != nullptr ? format : "", arguments);
    va_end (arguments);

    if (written < 0)
        message[0] = 0;

    return sHostServices->Trace (priority, message);
}

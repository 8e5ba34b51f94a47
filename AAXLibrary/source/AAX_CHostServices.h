#pragma once

#include "AAX.h"

class IACFUnknown;
class AAX_VHostServices;

/** The process-wide holder of the host's services, set at start-up and cleared at shut-down.

    Set must not run while another Set or a Trace runs; the host calls the entry points
    that use it one at a time.
*/
class AAX_CHostServices
{
public:
    AAX_CHostServices() = delete;

    /** With a host and no services held, creates the services from it; with null and
        services held, deletes them. A second start-up keeps the first host's services.
        If creation throws, the half-built services are freed and the exception goes on.
    */
    static void Set (IACFUnknown* host);

    /** Formats the message printf-style and passes it to the host's trace; returns 0 and
        does nothing while no services are held. Longer texts are cut to the buffer size.
    */
    static AAX_Result Trace (int32_t priority, const char* format, ...)
#if defined (__GNUC__)
        __attribute__ ((format (printf, 2, 3)))
#endif
        ;

    /** The size of the buffer a trace message is formatted into, terminating zero included. */
    static constexpr int traceBufferSize = 512;

private:
    static AAX_VHostServices* sHostServices;
};

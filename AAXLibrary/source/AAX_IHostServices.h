#pragma once

#include "AAX.h"

/** The host's services: assertions and traces. */
class AAX_IHostServices
{
public:
    virtual ~AAX_IHostServices() = default;

    virtual AAX_Result Assert (const char* file, int32_t line, const char* note) = 0;
    virtual AAX_Result Trace (int32_t priority, const char* message) = 0;
    virtual AAX_Result StackTrace (int32_t traceLevel, int32_t stackTraceLevel, const char* message) = 0;
};

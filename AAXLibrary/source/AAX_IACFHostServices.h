#pragma once

#include "ACFUnknown.h"

/** The host's services, version 1. */
class AAX_IACFHostServices : public IACFUnknown
{
public:
    virtual AAX_Result Assert (const char* file, int32_t line, const char* note) = 0;
    virtual AAX_Result Trace (int32_t priority, const char* message) = 0;

protected:
    ~AAX_IACFHostServices() = default;
};

/** The host's services, version 2. */
class AAX_IACFHostServices_V2 : public AAX_IACFHostServices
{
public:
    virtual AAX_Result StackTrace (int32_t traceLevel, int32_t stackTraceLevel, const char* message) = 0;

protected:
    ~AAX_IACFHostServices_V2() = default;
};

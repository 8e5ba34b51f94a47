#pragma once

#include "AAX_IACFHostServices.h"
#include "AAX_IHostServices.h"
#include "ACFPtr.h"

/** The host's services (assertions and traces), created through the host's component
    factory at start-up. Every call goes to the version that defines it; without it the
    call returns -20004 (version 1) or -20009 (version 2).
*/
class AAX_VHostServices : public AAX_IHostServices
{
public:
    /** Asks the host object's factory for both versions of the host services. */
    explicit AAX_VHostServices (IACFUnknown* host);
    ~AAX_VHostServices() override;

    AAX_VHostServices (const AAX_VHostServices&) = delete;
    AAX_VHostServices& operator= (const AAX_VHostServices&) = delete;

    AAX_Result Assert (const char* file, int32_t line, const char* note) override;
    AAX_Result Trace (int32_t priority, const char* message) override;
    AAX_Result StackTrace (int32_t traceLevel, int32_t stackTraceLevel, const char* message) override;

private:
    ACFPtr<AAX_IACFHostServices> version1;
    ACFPtr<AAX_IACFHostServices_V2> version2;
};

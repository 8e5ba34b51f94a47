#include "AAX_VHostServices.h"

#include "AAX_CComponentFactory.h"
#include "AAX_UIDs.h"

AAX_VHostServices::AAX_VHostServices (IACFUnknown* host)
{
    const AAX_CComponentFactory factory (host);

    if (! factory.isAvailable())
        return;

    factory.create (AAXCompID_HostServices, IID_IAAXHostServicesV1, version1.getOutputSlot());
    factory.create (AAXCompID_HostServices, IID_IAAXHostServicesV2, version2.getOutputSlot());
}

AAX_VHostServices::~AAX_VHostServices()
{
    version2.reset();
    version1.reset();
}

AAX_Result AAX_VHostServices::Assert (const char* file, int32_t line, const char* note)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->Assert (file, line, note);
}

AAX_Result AAX_VHostServices::Trace (int32_t priority, const char* message)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->Trace (priority, message);
}

AAX_Result AAX_VHostServices::StackTrace (int32_t traceLevel, int32_t stackTraceLevel, const char* message)
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->StackTrace (traceLevel, stackTraceLevel, message);
}

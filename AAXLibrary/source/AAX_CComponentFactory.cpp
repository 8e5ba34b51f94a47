#include "AAX_CComponentFactory.h"

#include "AAX_UIDs.h"

AAX_CComponentFactory::AAX_CComponentFactory (IACFUnknown* host)
{
    if (host != nullptr)
        available = host->QueryInterface (IID_IACFComponentFactory, factory.getOutputSlot()) == AAX_SUCCESS;
}

void AAX_CComponentFactory::create (const acfCLSID& clsid, const acfIID& iid, void** interfaceOut) const
{
    factory->CreateInstance (clsid, nullptr, iid, interfaceOut);
}

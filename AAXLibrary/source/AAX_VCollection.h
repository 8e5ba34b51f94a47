#pragma once

#include "AAX_IACFCollection.h"
#include "AAX_ICollection.h"
#include "ACFPtr.h"

#include <memory>
#include <vector>

/** The collection created by the host's component factory at registration; every call
    goes to the host's collection interface. It owns the effect descriptors and property
    maps made through it.
*/
class AAX_VCollection : public AAX_ICollection
{
public:
    /** Keeps a reference to the host object and asks its factory for a collection. */
    explicit AAX_VCollection (IACFUnknown* host);
    ~AAX_VCollection() override;

    AAX_VCollection (const AAX_VCollection&) = delete;
    AAX_VCollection& operator= (const AAX_VCollection&) = delete;

    AAX_IEffectDescriptor* NewDescriptor() override;

    /** Refuses a null effect descriptor, or one the library did not make, with -20004. */
    AAX_Result AddEffect (const char* effectID, AAX_IEffectDescriptor* effectDescriptor) override;
    AAX_Result SetManufacturerName (const char* manufacturerName) override;
    AAX_Result AddPackageName (const char* packageName) override;
    AAX_Result SetPackageVersion (uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* properties) override;

    /** The host's version-1 interface without an added reference, or null. */
    IACFUnknown* GetIUnknown() const noexcept;

private:
    ACFPtr<IACFUnknown> host;
    ACFPtr<AAX_IACFCollection> version1;
    std::vector<std::unique_ptr<AAX_IEffectDescriptor>> effectDescriptors;
    std::vector<std::unique_ptr<AAX_IPropertyMap>> propertyMaps;
};

#pragma once

#include "ACFPtr.h"

/** The host's component factory, as the wrappers reach it while they are built.

    The factory is asked for once, at construction. When the host does not answer that
    query with success, isAvailable() is false and nothing can be created.
*/
class AAX_CComponentFactory
{
public:
    /** Asks the host object, which may be null, for its component factory. */
    explicit AAX_CComponentFactory (IACFUnknown* host);

    /** True when the host answered the factory query with success. */
    bool isAvailable() const noexcept       { return available; }

    /** Creates a host component of the class clsid and stores its interface iid into the
        slot; the factory's answer is not examined. Throws ACF_E_POINTER when the host
        answered the factory query with success but gave no factory.
    */
    void create (const acfCLSID& clsid, const acfIID& iid, void** interfaceOut) const;

    /** When the factory is available, creates a host component into version1 and, if it
        was made, asks it for its version 2; neither answer is examined.
    */
    template <typename Version1, typename Version2>
    void createVersions (const acfCLSID& clsid, const acfIID& iid1, ACFPtr<Version1>& version1,
                         const acfIID& iid2, ACFPtr<Version2>& version2) const
    {
        if (! available)
            return;

        create (clsid, iid1, version1.getOutputSlot());

        if (! version1.isEmpty())
            version1->QueryInterface (iid2, version2.getOutputSlot());
    }

private:
    ACFPtr<IACFComponentFactory> factory;
    bool available = false;
};

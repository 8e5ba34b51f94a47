#pragma once

#include "ACFUnknown.h"

#include <atomic>

/** The reference-counted base of every object the library hands to the host.

    The object answers IID_IACFUnknown through its private unknown; derived classes answer
    their own interfaces by overriding InternalQueryInterface. When the last reference is
    released the object runs FinalRelease and deletes itself. A process-wide count of live
    objects tells the host whether the bundle may be unloaded.
*/
class CACFUnknown
{
public:
    CACFUnknown();
    virtual ~CACFUnknown();

    CACFUnknown (const CACFUnknown&) = delete;
    CACFUnknown& operator= (const CACFUnknown&) = delete;

    /** Called by the host after creation; does nothing here. */
    virtual ACFRESULT InitializeInstance (IACFUnknown* unknownOuter);

    /** Called once the last reference is gone, just before the object is deleted. */
    virtual void FinalRelease();

    /** Deletes the object. */
    virtual void ReclaimMemory();

    virtual ACFRESULT InternalQueryInterface (const acfIID& iid, void** interfaceOut);
    virtual acfUInt32 InternalAddRef();
    virtual acfUInt32 InternalRelease();

    /** The number of live objects built on this class in the bundle. */
    static int32_t GetActiveObjectCount() noexcept;

protected:
    /** The object's identity as IACFUnknown; forwards to its owner's Internal operations. */
    class PrivateUnknown : public IACFUnknown
    {
    public:
        explicit PrivateUnknown (CACFUnknown& ownerToUse) noexcept : owner (&ownerToUse) {}

        ACFRESULT QueryInterface (const acfIID& iid, void** interfaceOut) override;
        acfUInt32 AddRef() override;
        acfUInt32 Release() override;

    private:
        CACFUnknown* owner;
    };

    IACFUnknown* GetControllingUnknown() const noexcept     { return m_ControllingUnknown; }

private:
    std::atomic<int32_t> m_ReferenceCount { 0 };
    IACFUnknown* m_ControllingUnknown;
    PrivateUnknown m_PrivateUnknown;

    static std::atomic<int32_t> m_ActiveObjects;
};

#include "CACFUnknown.h"

#include "AAX_UIDs.h"

std::atomic<int32_t> CACFUnknown::m_ActiveObjects { 0 };

CACFUnknown::CACFUnknown()
    : m_ControllingUnknown (&m_PrivateUnknown),
      m_PrivateUnknown (*this)
{
    m_ActiveObjects.fetch_add (1);
}

CACFUnknown::~CACFUnknown()
{
    m_ActiveObjects.fetch_sub (1);
}

ACFRESULT CACFUnknown::InitializeInstance (IACFUnknown*)
{
    return AAX_SUCCESS;
}

void CACFUnknown::FinalRelease()
{
}

void CACFUnknown::ReclaimMemory()
{
    delete this;
}

ACFRESULT CACFUnknown::InternalQueryInterface (const acfIID& iid, void** interfaceOut)
{
    if (interfaceOut == nullptr)
        return ACF_E_POINTER;

    *interfaceOut = nullptr;

    if (iid == IID_IACFUnknown)
    {
        *interfaceOut = static_cast<IACFUnknown*> (&m_PrivateUnknown);
        m_PrivateUnknown.AddRef();
        return AAX_SUCCESS;
    }

    return ACF_E_NOINTERFACE;
}

acfUInt32 CACFUnknown::InternalAddRef()
{
    return static_cast<acfUInt32> (m_ReferenceCount.fetch_add (1) + 1);
}

acfUInt32 CACFUnknown::InternalRelease()
{
    const auto newCount = m_ReferenceCount.fetch_sub (1) - 1;

    if (newCount == 0)
    {
        FinalRelease();
        ReclaimMemory();
    }

    return static_cast<acfUInt32> (newCount);
}

int32_t CACFUnknown::GetActiveObjectCount() noexcept
{
    return m_ActiveObjects.load();
}

ACFRESULT CACFUnknown::PrivateUnknown::QueryInterface (const acfIID& iid, void** interfaceOut)
{
    return owner->InternalQueryInterface (iid, interfaceOut);
}

acfUInt32 CACFUnknown::PrivateUnknown::AddRef()
{
    return owner->InternalAddRef();
}

acfUInt32 CACFUnknown::PrivateUnknown::Release()
{
    return owner->InternalRelease();
}

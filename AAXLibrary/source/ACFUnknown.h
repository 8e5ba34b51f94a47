#pragma once

#include "AAX.h"

#include <cstddef>
#include <cstdint>

/** A 16-byte interface or component identifier of the host's component-object layer.
    The integers are kept in the machine's byte order, which must be little-endian, as the
    host expects.
*/
struct _acfUID
{
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};

#if defined (__BYTE_ORDER__)
static_assert (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "identifiers are laid out for a little-endian machine");
#endif

static_assert (sizeof (_acfUID) == 16, "an identifier is exactly 16 bytes");
static_assert (offsetof (_acfUID, Data1) == 0, "identifier layout");
static_assert (offsetof (_acfUID, Data2) == 4, "identifier layout");
static_assert (offsetof (_acfUID, Data3) == 6, "identifier layout");
static_assert (offsetof (_acfUID, Data4) == 8, "identifier layout");
static_assert (alignof (_acfUID) == 4, "identifier alignment");

using acfIID = _acfUID;
using acfCLSID = _acfUID;
using acfUInt32 = uint32_t;
using ACFRESULT = int32_t;

/** Two identifiers are equal when all 16 bytes are equal. */
inline bool operator== (const _acfUID& a, const _acfUID& b) noexcept
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;

    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i])
            return false;

    return true;
}

inline bool operator!= (const _acfUID& a, const _acfUID& b) noexcept    { return ! (a == b); }

/** The host's base interface. Every host interface and every interface handed to the
    host begins with these three operations, at positions 0, 1 and 2.
*/
class IACFUnknown
{
public:
    /** Stores the interface asked for, with one reference added, and returns 0;
        otherwise stores null and returns an error.
    */
    virtual ACFRESULT QueryInterface (const acfIID& iid, void** interfaceOut) = 0;
    virtual acfUInt32 AddRef() = 0;
    virtual acfUInt32 Release() = 0;

protected:
    ~IACFUnknown() = default;
};

/** The plug-in definition the host keeps after registration. */
class IACFPluginDefinition : public IACFUnknown
{
protected:
    ~IACFPluginDefinition() = default;
};

/** A component definition; this bundle registers none. */
class IACFComponentDefinition : public IACFUnknown
{
protected:
    ~IACFComponentDefinition() = default;
};

/** The host's factory for its component objects. */
class IACFComponentFactory : public IACFUnknown
{
public:
    /** Creates a component of the given class and stores its interface `iid`. */
    virtual ACFRESULT CreateInstance (const acfCLSID& clsid, IACFUnknown* outerUnknown,
                                      const acfIID& iid, void** interfaceOut) = 0;

protected:
    ~IACFComponentFactory() = default;
};

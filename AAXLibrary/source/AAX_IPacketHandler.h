#pragma once

#include "AAX.h"

class AAX_CPacket;

/** Fills a port's packet for a parameter when the packet is dispatched. */
class AAX_IPacketHandler
{
public:
    virtual ~AAX_IPacketHandler() = default;

    /** A new copy of this handler, owned by the caller. */
    virtual AAX_IPacketHandler* Clone() const = 0;

    virtual AAX_Result Call (AAX_CParamID identifier, AAX_CPacket& packet) const = 0;
};

#pragma once

#include "AAX_CMutex.h"
#include "AAX_CPacket.h"
#include "AAX_IPacketHandler.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

class AAX_IController;
class AAX_IEffectParameters;

/** Binds parameter identifiers to the effect's data ports. A change of a bound parameter
    marks its port's packet dirty; Dispatch fills every dirty packet through its handler
    and posts it to the host's controller, which hands it to the audio side.

    Several identifiers may share a port and so one packet, which is then posted once per
    dispatch. Every operation but the handler workers runs under the dispatcher's lock, so
    host threads may mark and dispatch at once; a handler may re-enter the dispatcher.
*/
class AAX_CPacketDispatcher
{
public:
    AAX_CPacketDispatcher();
    ~AAX_CPacketDispatcher();

    AAX_CPacketDispatcher (const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator= (const AAX_CPacketDispatcher&) = delete;

    /** The controller packets go to and the effect whose parameters the standard worker
        reads. A null controller (the effect being uninitialised) stops posting.
    */
    void Initialize (AAX_IController* controller, AAX_IEffectParameters* effectParameters);

    /** Binds the identifier to the port's packet, making the packet on first use, with a
        clone of the handler. A negative port has no packet and is refused with -20004.
    */
    AAX_Result RegisterPacket (AAX_CParamID identifier, AAX_CFieldIndex port, const AAX_IPacketHandler& handler);

    /** Marks the packets of every registration of the identifier; an unknown one changes nothing. */
    AAX_Result SetDirty (AAX_CParamID identifier, bool dirty);

    /** Generates and posts every dirty packet, once each, in identifier order; a packet is
        clean afterwards even when its handler failed. An empty payload is not posted.
        Answers the last post's result, 0 when nothing was posted, or -20004 without a
        controller (the packets then stay dirty).
    */
    AAX_Result Dispatch();

    /** The standard worker: the parameter's value as a 4-byte int32 (bool, 0 or 1), a
        4-byte float, a 4-byte int32 or an 8-byte double, in the machine's byte order.
    */
    AAX_Result GenerateSingleValuePacket (AAX_CParamID identifier, AAX_CPacket& packet);

private:
    struct Registration
    {
        AAX_CPacket* packet;
        std::unique_ptr<AAX_IPacketHandler> handler;
    };

    std::map<AAX_CFieldIndex, std::unique_ptr<AAX_CPacket>> mPacketsByPort;
    std::multimap<std::string, Registration> mRegistrations;
    AAX_IController* mController = nullptr;
    AAX_IEffectParameters* mEffectParameters = nullptr;
    AAX_CMutex mLock;
};

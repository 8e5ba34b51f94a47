#pragma once

#include "AAX_IPacketHandler.h"

/** A packet handler that calls a member operation of a target: one that takes the
    parameter identifier and the packet, or, when that is not set, one that takes the
    packet alone. With neither, a call answers -20004.
*/
template <typename Target>
class AAX_CPacketHandler : public AAX_IPacketHandler
{
public:
    using Worker = AAX_Result (Target::*) (AAX_CPacket&);
    using WorkerWithID = AAX_Result (Target::*) (AAX_CParamID, AAX_CPacket&);

    AAX_CPacketHandler (Target* target, Worker worker)
        : mTarget (target), mWorker (worker) {}

    AAX_CPacketHandler (Target* target, WorkerWithID workerWithID)
        : mTarget (target), mWorkerWithID (workerWithID) {}

    AAX_IPacketHandler* Clone() const override      { return new AAX_CPacketHandler (*this); }

    AAX_Result Call (AAX_CParamID identifier, AAX_CPacket& packet) const override
    {
        if (mTarget != nullptr && mWorkerWithID != nullptr)
            return (mTarget->*mWorkerWithID) (identifier, packet);

        if (mTarget != nullptr && mWorker != nullptr)
            return (mTarget->*mWorker) (packet);

        return AAX_ERROR_NULL_OBJECT;
    }

private:
    Target* mTarget = nullptr;
    Worker mWorker = nullptr;
    WorkerWithID mWorkerWithID = nullptr;
};

#include "AAX_CPacketDispatcher.h"

#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IParameter.h"
#include "AAX_StLock_Guard.h"

#include <cstring>

namespace
{
    template <typename Value>
    void storePayload (AAX_CPacket& packet, Value value)
    {
        std::memcpy (packet.GetData().Get (sizeof (value)), &value, sizeof (value));
        packet.SetSize (sizeof (value));
    }
}

AAX_CPacketDispatcher::AAX_CPacketDispatcher() = default;

AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    const AAX_StLock_Guard guard (mLock);

    for (auto& entry : mPacketsByPort)
        entry.second.reset();

    for (auto& entry : mRegistrations)
        entry.second.handler.reset();
}

void AAX_CPacketDispatcher::Initialize (AAX_IController* controller, AAX_IEffectParameters* effectParameters)
{
    // Taken so that a dispatch on another thread never sees a controller being replaced.
    const AAX_StLock_Guard guard (mLock);
    mController = controller;
    mEffectParameters = effectParameters;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket (AAX_CParamID identifier, AAX_CFieldIndex port, const AAX_IPacketHandler& handler)
{
    const AAX_StLock_Guard guard (mLock);

    if (identifier == nullptr || port < 0)
        return AAX_ERROR_NULL_OBJECT;

    auto& packet = mPacketsByPort[port];

    if (packet == nullptr)
        packet = std::make_unique<AAX_CPacket> (port);

    mRegistrations.emplace (identifier, Registration { packet.get(), std::unique_ptr<AAX_IPacketHandler> (handler.Clone()) });
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::SetDirty (AAX_CParamID identifier, bool dirty)
{
    const AAX_StLock_Guard guard (mLock);

    if (identifier == nullptr)
        return AAX_SUCCESS;

    const auto range = mRegistrations.equal_range (identifier);

    for (auto entry = range.first; entry != range.second; ++entry)
        entry->second.packet->SetDirty (dirty);

    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::Dispatch()
{
    const AAX_StLock_Guard guard (mLock);

    if (mController == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    AAX_Result result = AAX_SUCCESS;

    for (auto& [identifier, registration] : mRegistrations)
    {
        auto& packet = *registration.packet;

        if (! packet.IsDirty())
            continue;

        const auto generated = registration.handler->Call (identifier.c_str(), packet);
        const auto size = packet.GetSize();

        if (generated == AAX_SUCCESS && size > 0 && size <= packet.GetData().Size())
            result = mController->PostPacket (packet.GetID(), packet.GetData().Get(), size);

        // A failed generation is not retried until the packet is marked again.
        packet.SetDirty (false);
    }

    return result;
}

AAX_Result AAX_CPacketDispatcher::GenerateSingleValuePacket (AAX_CParamID identifier, AAX_CPacket& packet)
{
    AAX_IParameter* parameter = nullptr;

    if (mEffectParameters == nullptr || mEffectParameters->GetParameter (identifier, &parameter) != AAX_SUCCESS
         || parameter == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    bool boolValue = false;
    float floatValue = 0.0f;
    int32_t intValue = 0;
    double doubleValue = 0.0;

    // Bool first, so that a switch always posts an int32 0 or 1.
    if (parameter->GetValueAsBool (&boolValue))
        storePayload (packet, static_cast<int32_t> (boolValue ? 1 : 0));
    else if (parameter->GetValueAsFloat (&floatValue))
        storePayload (packet, floatValue);
    else if (parameter->GetValueAsInt32 (&intValue))
        storePayload (packet, intValue);
    else if (parameter->GetValueAsDouble (&doubleValue))
        storePayload (packet, doubleValue);
    else
        return AAX_ERROR_NULL_OBJECT;

    return AAX_SUCCESS;
}

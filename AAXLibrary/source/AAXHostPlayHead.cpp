#include "AAXHostPlayHead.h"

#include "AAX_ITransport.h"

#include <cmath>

void AAXHostPlayHead::update (const AAX_ITransport* transport) noexcept
{
    if (transport == nullptr)
    {
        clearPosition();
        return;
    }

    auto& current = startPosition();
    double tempo = 0.0;
    bool playing = false;
    int64_t sampleLocation = 0;

    if (transport->GetCurrentTempo (&tempo) == AAX_SUCCESS && std::isfinite (tempo) && tempo > 0.0)
        current.setBpm (tempo);

    if (transport->IsTransportPlaying (&playing) == AAX_SUCCESS)
        current.setIsPlaying (playing);

    if (transport->GetCurrentNativeSampleLocation (&sampleLocation) == AAX_SUCCESS)
        current.setTimeInSamples (sampleLocation);
}

#pragma once

#include "HostTempoPlayHead.h"

class AAX_ITransport;

/** The processor's play head, filled from the host's transport.

    update() runs on the audio thread: the adapter refreshes the position just before
    it calls processBlock.
*/
class AAXHostPlayHead : public HostTempoPlayHead
{
public:
    /** Takes the tempo (when the host gives a positive one), the play state and the sample
        position from the transport; no transport means no position.
    */
    void update (const AAX_ITransport* transport) noexcept;
};

#pragma once

#include "HostTempoPlayHead.h"
#include "VstTimeInfo.h"

/** The processor's play head, filled from the host's time information.

    update() runs on the audio thread: the adapter refreshes the position
    just before it calls processBlock.
*/
class VstHostPlayHead : public HostTempoPlayHead
{
public:
    /** Takes the tempo (when the host marks it valid), the sample position and
        the transport state from the host's record; no record means no position.
    */
    void update (const VstTimeInfo* info) noexcept;
};

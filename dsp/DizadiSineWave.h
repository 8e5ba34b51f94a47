#pragma once

#include "DizadiTremoloModule.h"
#include "DizadiOsc.h"

/** The tremolo module driven by the shaped sine LFO. */
class DizadiSineWave : public DizadiTremoloModule<DizadiOsc>
{
public:
    DizadiSineWave();
};

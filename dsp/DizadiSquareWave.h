#pragma once

#include "DizadiTremoloModule.h"
#include "DizadiOscSquare.h"

/** The tremolo module driven by the pulse LFO. */
class DizadiSquareWave : public DizadiTremoloModule<DizadiOscSquare>
{
public:
    DizadiSquareWave();
};

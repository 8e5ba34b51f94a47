#pragma once

#include "DizadiTremoloModule.h"
#include "DizadiOscTriangle.h"

/** The tremolo module driven by the triangle LFO. */
class DizadiTriangleWave : public DizadiTremoloModule<DizadiOscTriangle>
{
public:
    DizadiTriangleWave();
};

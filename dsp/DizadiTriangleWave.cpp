#include "DizadiTriangleWave.h"

DizadiTriangleWave::DizadiTriangleWave()
    : DizadiTremoloModule ("DizadiTriangleWave")
{
}

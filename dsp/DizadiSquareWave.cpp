#include "DizadiSquareWave.h"

DizadiSquareWave::DizadiSquareWave()
    : DizadiTremoloModule ("DizadiSquareWave")
{
}

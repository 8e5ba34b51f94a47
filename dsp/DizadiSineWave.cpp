#include "DizadiSineWave.h"

DizadiSineWave::DizadiSineWave()
    : DizadiTremoloModule ("DizadiSineWave")
{
}

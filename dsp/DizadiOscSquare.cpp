#include "DizadiOscSquare.h"

void DizadiOscSquare::setSlope (float newSlope)
{
    slope = newSlope;
    pulseWidth = newSlope * 0.7f + 0.15f;
}

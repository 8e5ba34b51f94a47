#include "DizadiOsc.h"

void DizadiOsc::setSlope (float newSlope)
{
    slope = newSlope;
    shapeCoeff = ((1.0f - newSlope) * 0.225424f) * 2.0f + (-0.225424f);
}

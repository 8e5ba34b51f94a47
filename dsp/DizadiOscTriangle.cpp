#include "DizadiOscTriangle.h"

void DizadiOscTriangle::setSlope (float newSlope)
{
    slope = newSlope;
    apex = newSlope * 0.9996f + 0.0002f;
    fallScale = 1.0f / apex;
    riseScale = 1.0f / (1.0f - apex);
}

#include "ProductInfo.h"

juce::File presetRootFolder()
{
    return juce::File::getSpecialLocation (juce::File::userMusicDirectory)
               .getChildFile ("Audio Music Apps")
               .getChildFile ("Vardun/Presets/LumiverPX2741");
}

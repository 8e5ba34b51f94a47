#include "ProductInfo.h"

juce::File audioMusicAppsFolder()
{
    return juce::File::getSpecialLocation (juce::File::userMusicDirectory).getChildFile ("Audio Music Apps");
}

juce::File presetRootFolder()
{
    return audioMusicAppsFolder().getChildFile ("Vardun/Presets/LumiverPX2741");
}

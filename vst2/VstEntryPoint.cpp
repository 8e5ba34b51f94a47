#include "VstPluginAdapter.h"

// The host's entry points of the VST 2.4 plug-in: the only symbols the shared
// object exports.

namespace
{
    AEffect* createEffect (HostCallback hostCallback)
    {
        if (hostCallback == nullptr)
            return nullptr;

        try
        {
            return (new VstPluginAdapter (hostCallback))->getAeffect();
        }
        catch (...)
        {
            return nullptr;
        }
    }
}

#define LUMIVER_VST_EXPORT extern "C" __attribute__ ((visibility ("default")))

LUMIVER_VST_EXPORT AEffect* VSTPluginMain (HostCallback hostCallback);
LUMIVER_VST_EXPORT AEffect* VSTPluginMain (HostCallback hostCallback)
{
    return createEffect (hostCallback);
}

// Older Linux hosts look for "main"; the assembler name keeps the C++ name
// free of the program entry point's rules.
LUMIVER_VST_EXPORT AEffect* lumiverVstMainEntry (HostCallback hostCallback) asm ("main");
LUMIVER_VST_EXPORT AEffect* lumiverVstMainEntry (HostCallback hostCallback)
{
    return createEffect (hostCallback);
}

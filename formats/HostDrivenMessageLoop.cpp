#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "HostDrivenMessageLoop.h"

#include <juce_gui_basics/juce_gui_basics.h>
#include <juce_audio_plugin_client/utility/juce_LinuxMessageThread.h>

HostDrivenMessageLoop::HostDrivenMessageLoop() = default;

HostDrivenMessageLoop::~HostDrivenMessageLoop() = default;

void HostDrivenMessageLoop::processPendingMessages()
{
   #if JUCE_LINUX || JUCE_BSD
    eventLoop->processPendingEvents();
   #endif
}

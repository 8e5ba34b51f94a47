#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "PluginInstanceOwner.h"
#include "HostDrivenMessageLoop.h"
#include "PluginFactory.h"

#include <juce_gui_basics/juce_gui_basics.h>
#include <juce_audio_plugin_client/utility/juce_LinuxMessageThread.h>

#include <stdexcept>

/** The framework's lifetime for one instance: its initialisation and, on Linux, the
    message thread that runs while the host does not drive the message loop.
*/
class PluginInstanceOwner::FrameworkSession
{
public:
    juce::ScopedJuceInitialiser_GUI initialiser;
   #if JUCE_LINUX || JUCE_BSD
    juce::SharedResourcePointer<juce::MessageThread> messageThread;
   #endif
};

PluginInstanceOwner::PluginInstanceOwner (juce::AudioProcessor::WrapperType wrapperType)
    : session (std::make_unique<FrameworkSession>())
{
    const HostDrivenMessageLoop hostDrivenMessageLoop;

    juce::AudioProcessor::setTypeOfNextNewPlugin (wrapperType);
    processor.reset (createPluginFilter());
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);

    if (processor == nullptr)
        throw std::runtime_error ("The plug-in's processor could not be created");
}

PluginInstanceOwner::~PluginInstanceOwner()
{
   #if JUCE_LINUX || JUCE_BSD
    // Keeps the message thread from running a callback of the processor while it goes.
    const juce::MessageManagerLock messageManagerLock;
   #endif

    processor.reset();
}

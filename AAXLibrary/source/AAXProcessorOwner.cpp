#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "AAXProcessorOwner.h"

#include <juce_gui_basics/juce_gui_basics.h>
#include <juce_audio_plugin_client/utility/juce_LinuxMessageThread.h>

#include <stdexcept>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();

/** The framework's lifetime for one instance: its initialisation and, on Linux, the
    message thread that runs while the host does not drive the message loop.
*/
class AAXProcessorOwner::FrameworkSession
{
public:
    juce::ScopedJuceInitialiser_GUI initialiser;
   #if JUCE_LINUX || JUCE_BSD
    juce::SharedResourcePointer<juce::MessageThread> messageThread;
   #endif
};

AAXProcessorOwner::AAXProcessorOwner()
    : session (std::make_unique<FrameworkSession>())
{
   #if JUCE_LINUX || JUCE_BSD
    const juce::SharedResourcePointer<juce::HostDrivenEventLoop> hostDrivenEventLoop;
   #endif

    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_AAX);
    processor.reset (createPluginFilter());
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);

    if (processor == nullptr)
        throw std::runtime_error ("The plug-in's processor could not be created");
}

AAXProcessorOwner::~AAXProcessorOwner()
{
   #if JUCE_LINUX || JUCE_BSD
    // Keeps the message thread from running a callback of the processor while it goes.
    const juce::MessageManagerLock messageManagerLock;
   #endif

    processor.reset();
}

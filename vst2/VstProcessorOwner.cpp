#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "VstProcessorOwner.h"
#include "PluginFactory.h"

#include <juce_gui_basics/juce_gui_basics.h>
#include <stdexcept>
#include <juce_audio_plugin_client/utility/juce_LinuxMessageThread.h>

/** The framework's lifetime for one instance: its initialisation and, on
    Linux, the message thread that runs timers and asynchronous updates
    while the host does not drive the message loop itself.
*/
class VstProcessorOwner::FrameworkSession
{
public:
    juce::ScopedJuceInitialiser_GUI initialiser;
   #if JUCE_LINUX || JUCE_BSD
    juce::SharedResourcePointer<juce::MessageThread> messageThread;
   #endif
};

VstProcessorOwner::VstProcessorOwner()
    : session (std::make_unique<FrameworkSession>())
{
   #if JUCE_LINUX || JUCE_BSD
    // The processor is built on the host's thread, which acts as the message
    // thread meanwhile.
    const juce::SharedResourcePointer<juce::HostDrivenEventLoop> hostDrivenEventLoop;
   #endif

    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_VST);
    processor.reset (createPluginFilter());
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);

    if (processor == nullptr)
        throw std::runtime_error ("The plug-in's processor could not be created");
}

VstProcessorOwner::~VstProcessorOwner()
{
   #if JUCE_LINUX || JUCE_BSD
    // Keeps the message thread from running a callback of the processor
    // while it is destroyed.
    const juce::MessageManagerLock messageManagerLock;
   #endif

    processor.reset();
}

int VstProcessorOwner::getProcessorProgramCount() const
{
    return juce::jmax (1, processor->getNumPrograms());
}

int VstProcessorOwner::getProcessorParameterCount() const
{
    return processor->getNumParameters();
}

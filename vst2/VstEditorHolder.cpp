#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "VstEditorHolder.h"

#include <juce_gui_basics/juce_gui_basics.h>
#include <juce_audio_plugin_client/utility/juce_LinuxMessageThread.h>

VstEditorHolder::VstEditorHolder (juce::AudioProcessor& owner,
                                  juce::AudioProcessorEditor& processorEditor,
                                  std::function<void (int, int)> onResize)
    : processor (owner),
      editor (&processorEditor),
      resizeHost (std::move (onResize)),
      hostEventLoop (std::make_unique<juce::SharedResourcePointer<juce::HostDrivenEventLoop>>())
{
    setOpaque (true);
    editor->setOpaque (true);
    addAndMakeVisible (*editor);
    setSize (editor->getWidth(), editor->getHeight());
}

VstEditorHolder::~VstEditorHolder()
{
    juce::PopupMenu::dismissAllActiveMenus();

    if (auto* modal = juce::Component::getCurrentlyModalComponent())
        modal->exitModalState (0);

    removeFromDesktop();
    processor.editorBeingDeleted (editor.get());
    editor.reset();
}

ERect VstEditorHolder::getHostBounds() const
{
    return { 0, 0, (int16_t) getHeight(), (int16_t) getWidth() };
}

void VstEditorHolder::attachToHost (void* parentWindow)
{
    setVisible (false);
    addToDesktop (0, parentWindow);

   #if JUCE_LINUX || JUCE_BSD
    // The host may move or resize its window right after this call, so the X
    // server must already know the holder's window as the parent's child.
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();
    auto* x11 = juce::X11Symbols::getInstance();
    x11->xReparentWindow (display, (::Window) getWindowHandle(), (::Window) (juce::pointer_sized_uint) parentWindow, 0, 0);
    x11->xFlush (display);
   #endif

    setVisible (true);
}

void VstEditorHolder::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
}

void VstEditorHolder::childBoundsChanged (juce::Component* child)
{
    if (child != editor.get() || (editor->getWidth() == getWidth() && editor->getHeight() == getHeight()))
        return;

    setSize (editor->getWidth(), editor->getHeight());

    if (resizeHost != nullptr)
        resizeHost (getWidth(), getHeight());
}

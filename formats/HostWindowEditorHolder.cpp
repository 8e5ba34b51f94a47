#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "HostWindowEditorHolder.h"

#include <juce_gui_basics/juce_gui_basics.h>

std::unique_ptr<HostWindowEditorHolder> HostWindowEditorHolder::create (juce::AudioProcessor& processor,
                                                                        std::function<void (int, int)> resizeHost)
{
    const HostDrivenMessageLoop hostDrivenMessageLoop;

    // One editor per processor, owned by one holder: while another holder has it, none.
    if (processor.getActiveEditor() != nullptr)
        return nullptr;

    if (auto* editor = processor.createEditorIfNeeded())
        return std::make_unique<HostWindowEditorHolder> (processor, *editor, std::move (resizeHost));

    return nullptr;
}

HostWindowEditorHolder::HostWindowEditorHolder (juce::AudioProcessor& owner, juce::AudioProcessorEditor& processorEditor,
                                                std::function<void (int, int)> onResize)
    : processor (owner),
      editor (&processorEditor),
      resizeHost (std::move (onResize))
{
    setOpaque (true);
    editor->setOpaque (true);
    addAndMakeVisible (*editor);
    setSize (editor->getWidth(), editor->getHeight());
}

HostWindowEditorHolder::~HostWindowEditorHolder()
{
    juce::PopupMenu::dismissAllActiveMenus();

    if (auto* modal = juce::Component::getCurrentlyModalComponent())
        modal->exitModalState (0);

    removeFromDesktop();
    processor.editorBeingDeleted (editor.get());
    editor.reset();
}

void HostWindowEditorHolder::attachToHost (void* nativeWindow)
{
    setVisible (false);
    addToDesktop (0, nativeWindow);

   #if JUCE_LINUX || JUCE_BSD
    // The host may move or resize its window right after this call, so the X server
    // must already know the holder's window as the host window's child.
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();
    auto* x11 = juce::X11Symbols::getInstance();
    x11->xReparentWindow (display, (::Window) getWindowHandle(), (::Window) (juce::pointer_sized_uint) nativeWindow, 0, 0);
    x11->xFlush (display);
   #endif

    setVisible (true);
}

void HostWindowEditorHolder::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
}

void HostWindowEditorHolder::childBoundsChanged (juce::Component* child)
{
    if (child != editor.get() || (editor->getWidth() == getWidth() && editor->getHeight() == getHeight()))
        return;

    setSize (editor->getWidth(), editor->getHeight());

    if (resizeHost != nullptr)
        resizeHost (getWidth(), getHeight());
}

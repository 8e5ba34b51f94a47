#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "AAXEffectGUIAdapter.h"

#include "AAXEditorHolder.h"
#include "AAXEffectParametersAdapter.h"
#include "AAX_IViewContainer.h"

#include <juce_gui_basics/juce_gui_basics.h>
#include <juce_audio_plugin_client/utility/juce_LinuxMessageThread.h>

AAXEffectGUIAdapter::AAXEffectGUIAdapter() = default;

AAXEffectGUIAdapter::~AAXEffectGUIAdapter()
{
    deleteEditor();
}

void AAXEffectGUIAdapter::CreateViewContents()
{
    auto* effect = dynamic_cast<AAXEffectParametersAdapter*> (GetEffectParameters());
    processor = effect != nullptr ? &effect->getProcessor() : nullptr;
    createEditor();
}

void AAXEffectGUIAdapter::CreateViewContainer()
{
    if (editorHolder == nullptr)
        createEditor();

    if (editorHolder != nullptr && GetViewContainerType() == AAX_eViewContainer_Type_X11Window)
        if (auto* nativeWindow = GetViewContainerPtr())
            editorHolder->attachToHost (nativeWindow);
}

void AAXEffectGUIAdapter::DeleteViewContainer()
{
    deleteEditor();
}

void AAXEffectGUIAdapter::createEditor()
{
    if (processor == nullptr || ! processor->hasEditor())
        return;

   #if JUCE_LINUX || JUCE_BSD
    const juce::SharedResourcePointer<juce::HostDrivenEventLoop> hostDrivenEventLoop;
   #endif

    if (auto* editor = processor->createEditorIfNeeded())
        editorHolder = std::make_unique<AAXEditorHolder> (*processor, *editor, [this] (int width, int height)
        {
            if (auto* container = GetViewContainer())
            {
                AAX_Point size;
                size.vert = static_cast<float> (height);
                size.horz = static_cast<float> (width);
                container->SetViewSize (size);
            }
        });
}

void AAXEffectGUIAdapter::deleteEditor()
{
    if (editorHolder == nullptr)
        return;

   #if JUCE_LINUX || JUCE_BSD
    const juce::SharedResourcePointer<juce::HostDrivenEventLoop> hostDrivenEventLoop;
   #endif

    editorHolder.reset();
}

AAX_Result AAXEffectGUIAdapter::GetViewSize (AAX_Point* viewSize) const
{
    if (viewSize != nullptr && editorHolder != nullptr)
    {
        viewSize->vert = static_cast<float> (editorHolder->getHeight());
        viewSize->horz = static_cast<float> (editorHolder->getWidth());
    }

    return AAX_SUCCESS;
}

AAX_Result AAXEffectGUIAdapter::TimerWakeup()
{
    if (editorHolder != nullptr)
        AAXEditorHolder::processPendingMessages();

    return AAX_SUCCESS;
}

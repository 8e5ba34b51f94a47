#include "AAXEffectGUIAdapter.h"

#include "AAXEffectParametersAdapter.h"
#include "AAX_IViewContainer.h"
#include "HostWindowEditorHolder.h"

AAXEffectGUIAdapter::AAXEffectGUIAdapter() = default;
AAXEffectGUIAdapter::~AAXEffectGUIAdapter() = default;

AAX_Result AAXEffectGUIAdapter::Initialize (IACFUnknown* hostContext)
{
    // The editor of an earlier initialisation goes while its processor is still held.
    editorHolder.reset();
    return AAX_CEffectGUI::Initialize (hostContext);
}

AAX_Result AAXEffectGUIAdapter::Uninitialize()
{
    editorHolder.reset();
    return AAX_CEffectGUI::Uninitialize();
}

void AAXEffectGUIAdapter::CreateViewContents()
{
    createEditor();

    // Initialised again while the host still gives its container: the new editor goes into it.
    attachToContainer();
}

void AAXEffectGUIAdapter::CreateViewContainer()
{
    if (editorHolder == nullptr)
        createEditor();

    attachToContainer();
}

void AAXEffectGUIAdapter::attachToContainer()
{
    if (editorHolder != nullptr && GetViewContainerType() == AAX_eViewContainer_Type_X11Window)
        if (auto* nativeWindow = GetViewContainerPtr())
            editorHolder->attachToHost (nativeWindow);
}

void AAXEffectGUIAdapter::DeleteViewContainer()
{
    editorHolder.reset();
}

void AAXEffectGUIAdapter::createEditor()
{
    auto* effect = dynamic_cast<AAXEffectParametersAdapter*> (GetEffectParameters());

    if (effect == nullptr || ! effect->getProcessor().hasEditor())
        return;

    editorHolder = HostWindowEditorHolder::create (effect->getProcessor(), [this] (int width, int height)
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
        editorHolder->processPendingMessages();

    return AAX_SUCCESS;
}

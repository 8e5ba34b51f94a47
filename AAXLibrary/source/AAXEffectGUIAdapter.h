#pragma once

#include "AAX_CEffectGUI.h"

#include <memory>

class HostWindowEditorHolder;

/** Shows the processor's editor in the host's view container.

    The processor is the one of the effect's data model, when that is this plug-in's own
    adapter; otherwise no view is built. The editor comes from the processor, is sized
    from itself and is attached to native X11 containers (type 1). It is deleted when the
    host withdraws its container, when this object is initialised again or uninitialised,
    and when it goes: always before the base lets go of the data model, so the processor
    outlives its editor whatever order the host tears down in. While it is open the
    host's timer wake-ups run the framework's messages.
*/
class AAXEffectGUIAdapter : public AAX_CEffectGUI
{
public:
    AAXEffectGUIAdapter();
    ~AAXEffectGUIAdapter() override;

    /** The object as the host holds it. */
    IACFUnknown* getHostInterface() noexcept        { return static_cast<AAX_IACFEffectGUI*> (this); }

    AAX_Result Initialize (IACFUnknown* hostContext) override;
    AAX_Result Uninitialize() override;

    /** The editor's size; nothing while there is none. */
    AAX_Result GetViewSize (AAX_Point* viewSize) const override;
    AAX_Result TimerWakeup() override;

protected:
    void CreateViewContents() override;
    void CreateViewContainer() override;
    void DeleteViewContainer() override;

private:
    void createEditor();

    /** Puts the editor into the host's container, when both are there. */
    void attachToContainer();

    std::unique_ptr<HostWindowEditorHolder> editorHolder;
};

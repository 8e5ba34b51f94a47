#pragma once

#include "ACFPtr.h"
#include "AAX_IACFEffectParameters.h"
#include "AAX_IEffectGUI.h"

class AAX_IViewContainer;
class AAX_VController;
class AAX_VTransport;
class AAX_VViewContainer;

/** The base of the effect's editor object as the host sees it.

    Initialize finds the effect's data model through the host context (holding one
    reference to it), makes controller and transport wrappers and lets the derived class
    build its view contents. Each container the host hands over is wrapped, the derived
    class attaches its view to it, and every parameter is pushed to the view once; when
    the host withdraws the container, the derived class takes its view down.

    A derived class deletes its view in its own destructor: this base's destructor can no
    longer reach the derived class's operations.
*/
class AAX_CEffectGUI : public AAX_IEffectGUI
{
public:
    AAX_CEffectGUI();
    ~AAX_CEffectGUI() override;

    AAX_Result Initialize (IACFUnknown* hostContext) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived (AAX_CTypeID notificationType, const void* notificationData, uint32_t notificationDataSize) override;
    AAX_Result SetViewContainer (IACFUnknown* viewContainer) override;
    AAX_Result GetViewSize (AAX_Point* viewSize) const override;
    AAX_Result Draw (AAX_Rect* drawArea) override;
    AAX_Result TimerWakeup() override;
    AAX_Result ParameterUpdated (AAX_CParamID identifier) override;
    AAX_Result GetCustomLabel (AAX_EPlugInStrings selector, AAX_IString* label) const override;
    AAX_Result SetControlHighlightInfo (AAX_CParamID identifier, AAX_CBoolean isHighlighted, AAX_EHighlightColor color) override;

    /** The effect's data model, or null. */
    AAX_IACFEffectParameters* GetEffectParameters() const noexcept;

    /** The host's container of the view, or null. */
    AAX_IViewContainer* GetViewContainer() const noexcept;

    /** The container's type, or 0 without one. */
    int32_t GetViewContainerType() const;

    /** The host's native view, or null without a container. */
    void* GetViewContainerPtr() const;

protected:
    /** Builds the view objects; called once from Initialize. */
    virtual void CreateViewContents() = 0;

    /** Attaches the view to the container just handed over. */
    virtual void CreateViewContainer() = 0;

    /** Detaches and destroys the view; the host withdrew its container. */
    virtual void DeleteViewContainer() = 0;

    /** Calls ParameterUpdated for every parameter of the data model, in index order. */
    virtual void UpdateAllParameters();

private:
    AAX_VController* mController = nullptr;
    ACFPtr<AAX_IACFEffectParameters> mEffectParameters;
    AAX_VViewContainer* mViewContainer = nullptr;
    AAX_VTransport* mTransport = nullptr;
};

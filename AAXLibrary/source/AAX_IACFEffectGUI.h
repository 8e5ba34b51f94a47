#pragma once

#include "ACFUnknown.h"

class AAX_IString;

/** The host-visible interface of an effect's GUI object. The host calls its operations by
    position, so their order must not change.
*/
class AAX_IACFEffectGUI : public IACFUnknown
{
public:
    virtual AAX_Result Initialize (IACFUnknown* hostContext) = 0;
    virtual AAX_Result Uninitialize() = 0;
    virtual AAX_Result NotificationReceived (AAX_CTypeID notificationType, const void* notificationData, uint32_t notificationDataSize) = 0;
    virtual AAX_Result SetViewContainer (IACFUnknown* viewContainer) = 0;
    virtual AAX_Result GetViewSize (AAX_Point* viewSize) const = 0;
    virtual AAX_Result Draw (AAX_Rect* drawArea) = 0;
    virtual AAX_Result TimerWakeup() = 0;
    virtual AAX_Result ParameterUpdated (AAX_CParamID identifier) = 0;
    virtual AAX_Result GetCustomLabel (AAX_EPlugInStrings selector, AAX_IString* label) const = 0;
    virtual AAX_Result SetControlHighlightInfo (AAX_CParamID identifier, AAX_CBoolean isHighlighted, AAX_EHighlightColor color) = 0;

protected:
    ~AAX_IACFEffectGUI() = default;
};

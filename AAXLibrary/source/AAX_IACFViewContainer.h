#pragma once

#include "ACFUnknown.h"

/** The host's view container, version 1. */
class AAX_IACFViewContainer : public IACFUnknown
{
public:
    virtual int32_t GetType() = 0;
    virtual void* GetPtr() = 0;
    virtual AAX_Result GetModifiers (uint32_t* modifiers) = 0;
    virtual AAX_Result SetViewSize (AAX_Point& size) = 0;
    virtual AAX_Result HandleParameterMouseDown (AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseDrag (AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseUp (AAX_CParamID parameterID, uint32_t modifiers) = 0;

protected:
    ~AAX_IACFViewContainer() = default;
};

/** The host's view container, version 2. */
class AAX_IACFViewContainer_V2 : public AAX_IACFViewContainer
{
public:
    virtual AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* parameterIDs, uint32_t numParameters, uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* parameterIDs, uint32_t numParameters, uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* parameterIDs, uint32_t numParameters, uint32_t modifiers) = 0;

protected:
    ~AAX_IACFViewContainer_V2() = default;
};

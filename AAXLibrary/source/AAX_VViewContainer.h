#pragma once

#include "AAX_IACFViewContainer.h"
#include "AAX_IViewContainer.h"
#include "ACFPtr.h"

/** The view container the host gives an effect's GUI, over the host's view container
    versions 1 and 2. Every call goes to the version that defines it; without it GetType
    gives 0, GetPtr null, SetViewSize 0, and every other call -20009.
*/
class AAX_VViewContainer : public AAX_IViewContainer
{
public:
    /** Asks the host object for each view container version; a null host gives none. */
    explicit AAX_VViewContainer (IACFUnknown* host);
    ~AAX_VViewContainer() override;

    AAX_VViewContainer (const AAX_VViewContainer&) = delete;
    AAX_VViewContainer& operator= (const AAX_VViewContainer&) = delete;

    int32_t GetType() override;
    void* GetPtr() override;
    AAX_Result GetModifiers (uint32_t* modifiers) override;
    AAX_Result SetViewSize (AAX_Point& size) override;
    AAX_Result HandleParameterMouseDown (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseDrag (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseUp (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* parameterIDs, uint32_t numParameters, uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* parameterIDs, uint32_t numParameters, uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* parameterIDs, uint32_t numParameters, uint32_t modifiers) override;

private:
    ACFPtr<AAX_IACFViewContainer> version1;
    ACFPtr<AAX_IACFViewContainer_V2> version2;
};

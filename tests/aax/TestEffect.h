#pragma once

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CPacketHandler.h"
#include "AAX_CParameter.h"

#include <string>

/** An effect built as the plug-in's adapter builds one: float parameters "0" to "8" at 0.5,
    the master bypass on data port 3, and optionally a "PreviewID" switch.
*/
class TestEffect : public AAX_CEffectParameters
{
public:
    static constexpr AAX_CFieldIndex bypassPort = 3;

    explicit TestEffect (bool withPreviewParameter = false) : withPreview (withPreviewParameter) {}

    AAX_Result EffectInit() override
    {
        for (int i = 0; i < 9; ++i)
            mParameterManager.AddParameter (new AAX_CParameter<float> (std::to_string (i).c_str(), AAX_CString ("Value"), 0.5f,
                                                                      AAX_CLinearTaperDelegate<float, 0> (0.0f, 1.0f),
                                                                      AAX_CNumberDisplayDelegate<float, 3u, 0u>(), true));

        const auto addSwitch = [this] (AAX_CParamID identifier)
        {
            mParameterManager.AddParameter (new AAX_CParameter<bool> (identifier, AAX_CString (identifier), false, AAX_CBinaryTaperDelegate<bool>(),
                                                                     AAX_CBinaryDisplayDelegate<bool> ("bypass", "on"), true));
        };

        addSwitch (cDefaultMasterBypassID);

        if (withPreview)
            addSwitch (cPreviewID);

        return mPacketDispatcher.RegisterPacket (cDefaultMasterBypassID, bypassPort,
                                                 AAX_CPacketHandler<AAX_CPacketDispatcher> (&mPacketDispatcher, &AAX_CPacketDispatcher::GenerateSingleValuePacket));
    }

    IACFUnknown* hostVisible()              { return static_cast<AAX_IACFEffectParameters_V3*> (this); }

    AAX_IParameter* parameter (AAX_CParamID identifier)
    {
        AAX_IParameter* found = nullptr;
        GetParameter (identifier, &found);
        return found;
    }

private:
    const bool withPreview;
};

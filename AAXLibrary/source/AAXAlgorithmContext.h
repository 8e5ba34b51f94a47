#pragma once

#include "AAX.h"

#include <cstddef>

class AAXEffectParametersAdapter;

/** The record the host hands the process routine for each instance: one pointer per
    field the components register, at the field's index.

    The bypass port holds the latest master-bypass packet (an int32, 0 or 1). The private
    block holds the instance's data model, which posts its own address there when it is
    initialised and null when it is uninitialised; until then the audio passes unchanged.
*/
struct AAXAlgorithmContext
{
    const float* const* inputs;
    float* const* outputs;
    const int32_t* bufferLength;
    const int32_t* bypass;
    AAXEffectParametersAdapter* const* instance;

    static constexpr AAX_CFieldIndex fieldIndexOf (size_t offset) noexcept
    {
        return static_cast<AAX_CFieldIndex> (offset / sizeof (void*));
    }
};

/** The field indices the components register. */
namespace AAXAlgorithmFields
{
    constexpr AAX_CFieldIndex inputs = AAXAlgorithmContext::fieldIndexOf (offsetof (AAXAlgorithmContext, inputs));
    constexpr AAX_CFieldIndex outputs = AAXAlgorithmContext::fieldIndexOf (offsetof (AAXAlgorithmContext, outputs));
    constexpr AAX_CFieldIndex bufferLength = AAXAlgorithmContext::fieldIndexOf (offsetof (AAXAlgorithmContext, bufferLength));
    constexpr AAX_CFieldIndex bypass = AAXAlgorithmContext::fieldIndexOf (offsetof (AAXAlgorithmContext, bypass));
    constexpr AAX_CFieldIndex instance = AAXAlgorithmContext::fieldIndexOf (offsetof (AAXAlgorithmContext, instance));

    static_assert (inputs == 0 && outputs == 1 && bufferLength == 2 && bypass == 3 && instance == 4,
                   "one pointer per field, in order");
}

#include "StandInDescription.h"

#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"
#include "AAX_Init.h"

namespace standin
{
    Description description = describeEffect;
    int descriptionCalls = 0;

    AAX_Result describeEffect (AAX_ICollection* collection)
    {
        auto* effect = collection->NewDescriptor();

        if (effect == nullptr)
            return AAX_ERROR_NULL_OBJECT;

        effect->AddName ("Lumiver PX2741");
        effect->AddName ("Lumiver");
        effect->AddCategory (0x00000040);

        auto* component = effect->NewComponentDescriptor();
        component->AddAudioIn (0);
        component->AddAudioOut (1);
        component->AddAudioBufferLength (2);
        component->AddDataInPort (3, sizeof (int32_t), 0);

        auto* properties = component->NewPropertyMap();
        properties->AddProperty (10, 0x6A636161);
        component->AddProcessProc_Native (nullptr, properties, nullptr, nullptr, nullptr);
        effect->AddComponent (component);

        collection->AddEffect ("com.vardun.lumiver", effect);
        collection->SetManufacturerName ("Vardun");
        collection->AddPackageName ("Lumiver PX2741");
        collection->AddPackageName ("Lumiver");
        collection->SetPackageVersion (0x10001);
        return AAX_SUCCESS;
    }
}

AAX_Result GetEffectDescriptions (AAX_ICollection* collection)
{
    ++standin::descriptionCalls;
    return standin::description (collection);
}

#pragma once

#include "AAX.h"

#include <functional>

class AAX_ICollection;

/** The stand-in for the effect adapter's description callback. Registration calls
    whatever is set here; by default it describes one effect the way the adapter does.
*/
namespace standin
{
    using Description = std::function<AAX_Result (AAX_ICollection*)>;

    /** Describes one effect with one component through the collection. */
    AAX_Result describeEffect (AAX_ICollection* collection);

    /** The description registration runs next; reset to describeEffect by each test. */
    extern Description description;
    extern int descriptionCalls;
}

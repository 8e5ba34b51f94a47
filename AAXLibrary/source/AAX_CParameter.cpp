#include "AAX_CParameter.h"

// The two kinds of parameter the effect uses are compiled once, here.
template class AAX_CParameter<float>;
template class AAX_CParameter<bool>;

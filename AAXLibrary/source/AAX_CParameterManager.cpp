#include "AAX_CParameterManager.h"

#include "AAX_IParameter.h"

#include <cstring>

AAX_CParameterManager::AAX_CParameterManager() = default;

AAX_CParameterManager::~AAX_CParameterManager()
{
    RemoveAllParameters();
}

void AAX_CParameterManager::Initialize (AAX_IAutomationDelegate* automationDelegate)
{
    mAutomationDelegate = automationDelegate;
}

void AAX_CParameterManager::AddParameter (AAX_IParameter* parameter)
{
    if (parameter == nullptr || GetParameterByID (parameter->Identifier()) != nullptr)
        return;

    parameter->SetAutomationDelegate (mAutomationDelegate);
    mParameters.emplace_back (parameter);
    mParametersByID.emplace (parameter->Identifier(), parameter);
}

void AAX_CParameterManager::RemoveAllParameters()
{
    mParametersByID.clear();

    for (auto& parameter : mParameters)
        parameter.reset();

    mParameters.clear();
}

int32_t AAX_CParameterManager::NumParameters() const
{
    return static_cast<int32_t> (mParameters.size());
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID identifier)
{
    return const_cast<AAX_IParameter*> (static_cast<const AAX_CParameterManager&> (*this).GetParameterByID (identifier));
}

const AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID identifier) const
{
    if (identifier == nullptr)
        return nullptr;

    const auto found = mParametersByID.find (identifier);
    return found != mParametersByID.end() ? found->second : nullptr;
}

int32_t AAX_CParameterManager::GetParameterIndex (AAX_CParamID identifier) const
{
    if (identifier == nullptr)
        return -1;

    for (size_t index = 0; index < mParameters.size(); ++index)
        if (std::strcmp (mParameters[index]->Identifier(), identifier) == 0)
            return static_cast<int32_t> (index);

    return -1;
}

AAX_IParameter* AAX_CParameterManager::GetParameter (int32_t index)
{
    return const_cast<AAX_IParameter*> (static_cast<const AAX_CParameterManager&> (*this).GetParameter (index));
}

const AAX_IParameter* AAX_CParameterManager::GetParameter (int32_t index) const
{
    if (index < 0 || index >= NumParameters())
        return nullptr;

    return mParameters[static_cast<size_t> (index)].get();
}

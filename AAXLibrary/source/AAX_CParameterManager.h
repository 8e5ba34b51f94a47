#pragma once

#include "AAX.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class AAX_IAutomationDelegate;
class AAX_IParameter;

/** Owns an effect's parameters in the order they were added (the order is the host's
    index) and finds them by identifier or index. Every parameter receives the automation
    delegate the manager holds when it is added.

    Filled while the effect initialises and only read until it is emptied, so it takes no
    lock.
*/
class AAX_CParameterManager
{
public:
    AAX_CParameterManager();
    ~AAX_CParameterManager();

    AAX_CParameterManager (const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator= (const AAX_CParameterManager&) = delete;

    /** The automation delegate for parameters added from now on; null for none. */
    void Initialize (AAX_IAutomationDelegate* automationDelegate);

    /** Takes ownership and appends. A null parameter, or one whose identifier is already
        present, is ignored and stays the caller's.
    */
    void AddParameter (AAX_IParameter* parameter);

    /** Deletes every parameter, in index order. */
    void RemoveAllParameters();

    int32_t NumParameters() const;

    /** The parameter of exactly this identifier, or null. */
    AAX_IParameter* GetParameterByID (AAX_CParamID identifier);
    const AAX_IParameter* GetParameterByID (AAX_CParamID identifier) const;

    /** The index of the parameter of this identifier, or -1. */
    int32_t GetParameterIndex (AAX_CParamID identifier) const;

    /** The parameter at the index, or null outside 0 .. NumParameters() - 1. */
    AAX_IParameter* GetParameter (int32_t index);
    const AAX_IParameter* GetParameter (int32_t index) const;

private:
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    std::vector<std::unique_ptr<AAX_IParameter>> mParameters;
    std::map<std::string, AAX_IParameter*> mParametersByID;
};

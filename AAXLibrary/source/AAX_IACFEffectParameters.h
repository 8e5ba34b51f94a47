#pragma once

#include "ACFUnknown.h"

class AAX_IParameter;
class AAX_IString;

/** The host-visible interfaces of an effect-parameters object, versions 1 to 3. Each
    version begins with every operation of the one before it; the host calls them by
    position, so their order must not change.
*/
class AAX_IACFEffectParameters : public IACFUnknown
{
public:
    virtual AAX_Result Initialize (IACFUnknown* hostContext) = 0;
    virtual AAX_Result Uninitialize() = 0;
    virtual AAX_Result NotificationReceived (AAX_CTypeID notificationType, const void* notificationData, uint32_t notificationDataSize) = 0;

    virtual AAX_Result GetNumberOfParameters (int32_t* numParameters) const = 0;
    virtual AAX_Result GetMasterBypassParameter (AAX_IString* identifier) const = 0;
    virtual AAX_Result GetParameterIsAutomatable (AAX_CParamID identifier, AAX_CBoolean* automatable) const = 0;
    virtual AAX_Result GetParameterNumberOfSteps (AAX_CParamID identifier, int32_t* numSteps) const = 0;
    virtual AAX_Result GetParameterName (AAX_CParamID identifier, AAX_IString* name) const = 0;
    virtual AAX_Result GetParameterNameOfLength (AAX_CParamID identifier, AAX_IString* name, int32_t nameLength) const = 0;
    virtual AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID identifier, double* value) const = 0;
    virtual AAX_Result SetParameterDefaultNormalizedValue (AAX_CParamID identifier, double value) = 0;
    virtual AAX_Result GetParameterType (AAX_CParamID identifier, AAX_EParameterType* type) const = 0;
    virtual AAX_Result GetParameterOrientation (AAX_CParamID identifier, AAX_EParameterOrientation* orientation) const = 0;
    virtual AAX_Result GetParameter (AAX_CParamID identifier, AAX_IParameter** parameter) = 0;
    virtual AAX_Result GetParameterIndex (AAX_CParamID identifier, int32_t* index) const = 0;
    virtual AAX_Result GetParameterIDFromIndex (int32_t index, AAX_IString* identifier) const = 0;
    virtual AAX_Result GetParameterValueInfo (AAX_CParamID identifier, int32_t selector, int32_t* value) const = 0;
    virtual AAX_Result GetParameterValueFromString (AAX_CParamID identifier, double* value, const AAX_IString& valueString) const = 0;
    virtual AAX_Result GetParameterStringFromValue (AAX_CParamID identifier, double value, AAX_IString* valueString, int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterValueString (AAX_CParamID identifier, AAX_IString* valueString, int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterNormalizedValue (AAX_CParamID identifier, double* value) const = 0;
    virtual AAX_Result SetParameterNormalizedValue (AAX_CParamID identifier, double value) = 0;
    virtual AAX_Result SetParameterNormalizedRelative (AAX_CParamID identifier, double delta) = 0;

    virtual AAX_Result TouchParameter (AAX_CParamID identifier) = 0;
    virtual AAX_Result ReleaseParameter (AAX_CParamID identifier) = 0;
    virtual AAX_Result UpdateParameterTouch (AAX_CParamID identifier, AAX_CBoolean touched) = 0;
    virtual AAX_Result UpdateParameterNormalizedValue (AAX_CParamID identifier, double value, AAX_EUpdateSource source) = 0;
    virtual AAX_Result UpdateParameterNormalizedRelative (AAX_CParamID identifier, double delta) = 0;
    virtual AAX_Result GenerateCoefficients() = 0;
    virtual AAX_Result ResetFieldData (AAX_CFieldIndex fieldIndex, void* data, uint32_t dataSize) const = 0;

    virtual AAX_Result GetNumberOfChunks (int32_t* numChunks) const = 0;
    virtual AAX_Result GetChunkIDFromIndex (int32_t index, AAX_CTypeID* chunkID) const = 0;
    virtual AAX_Result GetChunkSize (AAX_CTypeID chunkID, uint32_t* size) const = 0;
    virtual AAX_Result GetChunk (AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) const = 0;
    virtual AAX_Result SetChunk (AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) = 0;
    virtual AAX_Result CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* isActive) const = 0;
    virtual AAX_Result GetNumberOfChanges (int32_t* numChanges) const = 0;

    virtual AAX_Result TimerWakeup() = 0;
    virtual AAX_Result GetCurveData (AAX_CTypeID curveType, const float* values, uint32_t numValues, float* outValues) const = 0;
    virtual AAX_Result GetCustomData (AAX_CTypeID dataBlockID, uint32_t dataSize, void* data, uint32_t* bytesWritten) const = 0;
    virtual AAX_Result SetCustomData (AAX_CTypeID dataBlockID, uint32_t dataSize, const void* data) = 0;

protected:
    ~AAX_IACFEffectParameters() = default;
};

class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters
{
public:
    virtual AAX_Result DoMIDITransfers() = 0;
    virtual AAX_Result RenderAudio_Hybrid (AAX_SHybridRenderInfo* renderInfo) = 0;
    virtual AAX_Result UpdateMIDINodes (AAX_CFieldIndex fieldIndex, AAX_CMidiPacket& packet) = 0;
    virtual AAX_Result UpdateControlMIDINodes (AAX_CTypeID nodeID, AAX_CMidiPacket& packet) = 0;

protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

class AAX_IACFEffectParameters_V3 : public AAX_IACFEffectParameters_V2
{
public:
    virtual AAX_Result GetCurveDataMeterIds (AAX_CTypeID curveType, uint32_t* xMeterID, uint32_t* yMeterID) const = 0;
    virtual AAX_Result GetCurveDataDisplayRange (AAX_CTypeID curveType, float* xMin, float* xMax, float* yMin, float* yMax) const = 0;

protected:
    ~AAX_IACFEffectParameters_V3() = default;
};

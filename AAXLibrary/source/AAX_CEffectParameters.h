#pragma once

#include "AAX_CChunkDataParser.h"
#include "AAX_CChunkRoom.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameterManager.h"
#include "AAX_IEffectParameters.h"

#include <atomic>
#include <set>
#include <string>

class AAX_IAutomationDelegate;
class AAX_IController;
class AAX_ITransport;
class AAX_VAutomationDelegate;
class AAX_VController;
class AAX_VTransport;

/** The effect's data model as the host sees it: parameters with their names, texts and
    values, automation, the controls chunk, and the packets that carry parameter values to
    the audio side.

    Initialize makes the host wrappers, hands the automation delegate to the parameter
    manager and the controller to the packet dispatcher, and calls EffectInit, where a
    derived class adds its parameters and packets; the master bypass never enters the
    controls chunk. Initialising again first runs Uninitialize. A value the host confirms
    (UpdateParameterNormalizedValue) reaches the parameter, marks its packets dirty and
    counts as a change; GenerateCoefficients posts the dirty packets.

    The controls chunk 0x656C636B holds one entry per saved parameter and is rebuilt from
    the current values on every GetChunkSize and GetChunk. Each chunk operation builds or
    parses the chunk in a parser of its own, so host threads may call them at once. A
    chunk record is refused when it is null, and GetChunk refuses a record without room
    for the size GetChunkSize reported: one whose size field is smaller, or, with the
    field left at 0, one handed over by a thread that was told a smaller size.
    Identifiers unknown to the manager answer -20001.
*/
class AAX_CEffectParameters : public AAX_IEffectParameters
{
public:
    AAX_CEffectParameters();
    ~AAX_CEffectParameters() override;

    AAX_Result Initialize (IACFUnknown* hostContext) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived (AAX_CTypeID notificationType, const void* notificationData, uint32_t notificationDataSize) override;

    AAX_Result GetNumberOfParameters (int32_t* numParameters) const override;
    AAX_Result GetMasterBypassParameter (AAX_IString* identifier) const override;
    AAX_Result GetParameterIsAutomatable (AAX_CParamID identifier, AAX_CBoolean* automatable) const override;
    AAX_Result GetParameterNumberOfSteps (AAX_CParamID identifier, int32_t* numSteps) const override;
    AAX_Result GetParameterName (AAX_CParamID identifier, AAX_IString* name) const override;
    AAX_Result GetParameterNameOfLength (AAX_CParamID identifier, AAX_IString* name, int32_t nameLength) const override;
    AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID identifier, double* value) const override;
    AAX_Result SetParameterDefaultNormalizedValue (AAX_CParamID identifier, double value) override;
    AAX_Result GetParameterType (AAX_CParamID identifier, AAX_EParameterType* type) const override;
    AAX_Result GetParameterOrientation (AAX_CParamID identifier, AAX_EParameterOrientation* orientation) const override;
    AAX_Result GetParameter (AAX_CParamID identifier, AAX_IParameter** parameter) override;
    AAX_Result GetParameterIndex (AAX_CParamID identifier, int32_t* index) const override;
    AAX_Result GetParameterIDFromIndex (int32_t index, AAX_IString* identifier) const override;
    AAX_Result GetParameterValueInfo (AAX_CParamID identifier, int32_t selector, int32_t* value) const override;
    AAX_Result GetParameterValueFromString (AAX_CParamID identifier, double* value, const AAX_IString& valueString) const override;
    AAX_Result GetParameterStringFromValue (AAX_CParamID identifier, double value, AAX_IString* valueString, int32_t maxLength) const override;
    AAX_Result GetParameterValueString (AAX_CParamID identifier, AAX_IString* valueString, int32_t maxLength) const override;
    AAX_Result GetParameterNormalizedValue (AAX_CParamID identifier, double* value) const override;
    AAX_Result SetParameterNormalizedValue (AAX_CParamID identifier, double value) override;

    /** Moves by delta through the virtual getter and setter, bounded to 0..1; a NaN result
        leaves the value as it is.
    */
    AAX_Result SetParameterNormalizedRelative (AAX_CParamID identifier, double delta) override;

    AAX_Result TouchParameter (AAX_CParamID identifier) override;
    AAX_Result ReleaseParameter (AAX_CParamID identifier) override;
    AAX_Result UpdateParameterTouch (AAX_CParamID identifier, AAX_CBoolean touched) override;
    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID identifier, double value, AAX_EUpdateSource source) override;
    AAX_Result UpdateParameterNormalizedRelative (AAX_CParamID identifier, double delta) override;
    AAX_Result GenerateCoefficients() override;
    AAX_Result ResetFieldData (AAX_CFieldIndex fieldIndex, void* data, uint32_t dataSize) const override;

    AAX_Result GetNumberOfChunks (int32_t* numChunks) const override;
    AAX_Result GetChunkIDFromIndex (int32_t index, AAX_CTypeID* chunkID) const override;
    AAX_Result GetChunkSize (AAX_CTypeID chunkID, uint32_t* size) const override;
    AAX_Result GetChunk (AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) const override;
    AAX_Result SetChunk (AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) override;
    AAX_Result CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* isActive) const override;
    AAX_Result GetNumberOfChanges (int32_t* numChanges) const override;

    AAX_Result TimerWakeup() override;
    AAX_Result GetCurveData (AAX_CTypeID curveType, const float* values, uint32_t numValues, float* outValues) const override;
    AAX_Result GetCustomData (AAX_CTypeID dataBlockID, uint32_t dataSize, void* data, uint32_t* bytesWritten) const override;
    AAX_Result SetCustomData (AAX_CTypeID dataBlockID, uint32_t dataSize, const void* data) override;

    AAX_Result DoMIDITransfers() override;
    AAX_Result RenderAudio_Hybrid (AAX_SHybridRenderInfo* renderInfo) override;
    AAX_Result UpdateMIDINodes (AAX_CFieldIndex fieldIndex, AAX_CMidiPacket& packet) override;
    AAX_Result UpdateControlMIDINodes (AAX_CTypeID nodeID, AAX_CMidiPacket& packet) override;

    AAX_Result GetCurveDataMeterIds (AAX_CTypeID curveType, uint32_t* xMeterID, uint32_t* yMeterID) const override;
    AAX_Result GetCurveDataDisplayRange (AAX_CTypeID curveType, float* xMin, float* xMax, float* yMin, float* yMax) const override;

    /** The derived class's hook, called by Initialize once the host wrappers exist. */
    virtual AAX_Result EffectInit();

    /** The host's controller and transport; null outside Initialize .. Uninitialize. */
    AAX_IController* Controller() const noexcept;
    AAX_ITransport* Transport() const noexcept;

    /** Leaves the parameter of this identifier out of the controls chunk. */
    void FilterParameterIDOnSave (AAX_CParamID identifier);

    /** The controls chunk of the current values, in a parser of its own. */
    AAX_CChunkDataParser BuildChunkData() const;

    /** The change count after one more change: it starts again at 0 rather than turn negative. */
    static int32_t NextChangeCount (int32_t count) noexcept;

    static constexpr const char* cDefaultMasterBypassID = "MasterBypassID";
    static constexpr const char* cPreviewID = "PreviewID";
    static constexpr const char* CONTROLS_CHUNK_DESCRIPTION = "Complete Controls State";
    static constexpr AAX_CTypeID cControlsChunkID = 0x656C636B;

    /** The notification that turns the preview parameter on or off: an int32 follows. */
    static constexpr AAX_CTypeID cPreviewNotification = 0x41535076;

protected:
    std::atomic<int32_t> mNumChanges { 0 };
    mutable std::atomic<int32_t> mChunkSize { 0 };
    mutable AAX_CChunkRoom mChunkRoom;
    AAX_CPacketDispatcher mPacketDispatcher;
    AAX_CParameterManager mParameterManager;
    std::set<std::string> mFilteredParameters;

private:
    /** -20001 for an unknown identifier, -20004 for a null output, else 0 with what read
        gives for the parameter stored.
    */
    template <typename Output, typename Read>
    AAX_Result readParameter (AAX_CParamID identifier, Output* output, Read read) const;

    /** -20001 for an unknown identifier, else 0 with the change applied to the parameter. */
    template <typename Change>
    AAX_Result changeParameter (AAX_CParamID identifier, Change change);

    /** The present value moved by delta, bounded to 0..1 (a NaN stays a NaN), and the
        getter's result.
    */
    AAX_Result relativeTarget (AAX_CParamID identifier, double delta, double& target) const;

    void deleteHostWrappers();
    bool isFiltered (AAX_CParamID identifier) const;
    const AAX_IParameter* findParameter (AAX_CParamID identifier) const;
    AAX_IParameter* findParameter (AAX_CParamID identifier);

    AAX_VController* mController = nullptr;
    AAX_VTransport* mTransport = nullptr;
    AAX_VAutomationDelegate* mAutomationDelegate = nullptr;
};

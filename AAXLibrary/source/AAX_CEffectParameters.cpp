#include "AAX_CEffectParameters.h"

#include "AAX_CString.h"
#include "AAX_IParameter.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace
{
    /** The longest shortened name GetParameterNameOfLength looks at. */
    constexpr uint32_t maxShortenedNameLength = 255;

    /** A stored double as a float: beyond the float range it becomes the nearest finite
        float (narrowing it directly would be undefined); a NaN stays a NaN.
    */
    float narrowToFloat (double value) noexcept
    {
        if (value > FLT_MAX)
            return FLT_MAX;

        if (value < -FLT_MAX)
            return -FLT_MAX;

        return static_cast<float> (value);
    }

    /** A parameter's value, or the value the controls chunk holds for it. */
    struct ProbedValue
    {
        enum Kind { none, floatValue, int32Value, boolValue, doubleValue, textValue };

        /** The present value, read by the first typed getter that answers, in the order
            float, int32, bool, double, text.
        */
        explicit ProbedValue (const AAX_IParameter& parameter)
        {
            if (parameter.GetValueAsFloat (&floatNumber))          kind = floatValue;
            else if (parameter.GetValueAsInt32 (&int32Number))     kind = int32Value;
            else if (parameter.GetValueAsBool (&boolean))          kind = boolValue;
            else if (parameter.GetValueAsDouble (&doubleNumber))   kind = doubleValue;
            else if (parameter.GetValueAsString (&text))           kind = textValue;
        }

        /** The chunk's entry of that name, read as the given kind: floats are saved as
            doubles and switches as int32s. None when the entry is missing or of another type.
        */
        ProbedValue (AAX_CChunkDataParser& chunk, AAX_CParamID identifier, Kind asKind)
        {
            int32_t storedInt = 0;

            switch (asKind)
            {
                case floatValue:
                    if (chunk.FindDouble (identifier, &doubleNumber))
                    {
                        floatNumber = narrowToFloat (doubleNumber);
                        kind = floatValue;
                    }
                    break;

                case boolValue:
                    if (chunk.FindInt32 (identifier, &storedInt))
                    {
                        boolean = storedInt != 0;
                        kind = boolValue;
                    }
                    break;

                case int32Value:    if (chunk.FindInt32 (identifier, &int32Number)) kind = int32Value; break;
                case doubleValue:   if (chunk.FindDouble (identifier, &doubleNumber)) kind = doubleValue; break;
                case textValue:     if (chunk.FindString (identifier, &text)) kind = textValue; break;
                case none:          break;
            }
        }

        /** Same kind and value; doubles compare in single precision, and a NaN or no value
            never matches.
        */
        bool matches (const ProbedValue& other) const
        {
            if (kind != other.kind)
                return false;

            switch (kind)
            {
                case floatValue:    return floatNumber == other.floatNumber;
                case int32Value:    return int32Number == other.int32Number;
                case boolValue:     return boolean == other.boolean;
                case doubleValue:   return narrowToFloat (doubleNumber) == narrowToFloat (other.doubleNumber);
                case textValue:     return text == other.text;
                case none:          break;
            }

            return false;
        }

        Kind kind = none;
        float floatNumber = 0.0f;
        int32_t int32Number = 0;
        bool boolean = false;
        double doubleNumber = 0.0;
        AAX_CString text;
    };

    /** The pieces of a text between line breaks; a break at the end adds no empty piece. */
    std::vector<std::string> splitLines (const std::string& text)
    {
        std::vector<std::string> pieces;
        size_t start = 0;

        while (start < text.size())
        {
            const auto end = text.find ('\n', start);
            pieces.push_back (text.substr (start, end == std::string::npos ? std::string::npos : end - start));

            if (end == std::string::npos)
                break;

            start = end + 1;
        }

        return pieces;
    }
}

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters()
{
    // A host that releases the object without uninitialising it still gets back every
    // interface it lent; the parameters first unregister through the live delegate.
    if (mController != nullptr || mTransport != nullptr || mAutomationDelegate != nullptr)
    {
        mParameterManager.RemoveAllParameters();
        deleteHostWrappers();
    }
}

//==============================================================================
AAX_Result AAX_CEffectParameters::Initialize (IACFUnknown* hostContext)
{
    // A host may initialise again without uninitialising: the first initialisation is
    // undone (the derived class's part too), so that neither its wrappers nor the
    // parameters EffectInit adds again are left over.
    if (mController != nullptr)
        Uninitialize();

    mController = new AAX_VController (hostContext);
    mAutomationDelegate = new AAX_VAutomationDelegate (hostContext);
    mTransport = new AAX_VTransport (hostContext);

    mParameterManager.Initialize (mAutomationDelegate);
    mPacketDispatcher.Initialize (mController, this);

    const auto result = EffectInit();

    if (result != AAX_SUCCESS)
        return result;

    AAX_CString bypassID;
    GetMasterBypassParameter (&bypassID);
    FilterParameterIDOnSave (bypassID.Get());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::Uninitialize()
{
    mParameterManager.RemoveAllParameters();
    deleteHostWrappers();
    return AAX_SUCCESS;
}

void AAX_CEffectParameters::deleteHostWrappers()
{
    // Nothing keeps a wrapper once it is gone.
    mPacketDispatcher.Initialize (nullptr, this);
    mParameterManager.Initialize (nullptr);

    delete mController;
    mController = nullptr;
    delete mAutomationDelegate;
    mAutomationDelegate = nullptr;
    delete mTransport;
    mTransport = nullptr;
}

AAX_Result AAX_CEffectParameters::EffectInit()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::NotificationReceived (AAX_CTypeID notificationType, const void* notificationData, uint32_t notificationDataSize)
{
    if (notificationType == cPreviewNotification && notificationData != nullptr && notificationDataSize >= sizeof (int32_t))
    {
        if (auto* preview = findParameter (cPreviewID))
        {
            int32_t previewOn = 0;
            std::memcpy (&previewOn, notificationData, sizeof (previewOn));
            preview->SetValueWithBool (previewOn != 0);
        }
    }

    return AAX_SUCCESS;
}

//==============================================================================
const AAX_IParameter* AAX_CEffectParameters::findParameter (AAX_CParamID identifier) const
{
    return mParameterManager.GetParameterByID (identifier);
}

AAX_IParameter* AAX_CEffectParameters::findParameter (AAX_CParamID identifier)
{
    return mParameterManager.GetParameterByID (identifier);
}

template <typename Output, typename Read>
AAX_Result AAX_CEffectParameters::readParameter (AAX_CParamID identifier, Output* output, Read read) const
{
    const auto* parameter = findParameter (identifier);

    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    if (output == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    *output = read (*parameter);
    return AAX_SUCCESS;
}

template <typename Change>
AAX_Result AAX_CEffectParameters::changeParameter (AAX_CParamID identifier, Change change)
{
    auto* parameter = findParameter (identifier);

    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    change (*parameter);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfParameters (int32_t* numParameters) const
{
    if (numParameters == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    *numParameters = mParameterManager.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassParameter (AAX_IString* identifier) const
{
    if (identifier == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    identifier->Set (findParameter (cDefaultMasterBypassID) != nullptr ? cDefaultMasterBypassID : "");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable (AAX_CParamID identifier, AAX_CBoolean* automatable) const
{
    if (automatable == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    *automatable = 0;
    const auto* parameter = findParameter (identifier);

    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    *automatable = parameter->Automatable() ? 1 : 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps (AAX_CParamID identifier, int32_t* numSteps) const
{
    const auto* parameter = findParameter (identifier);

    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    const auto steps = static_cast<int32_t> (parameter->GetNumberOfSteps());

    if (steps < 0)
        return AAX_ERROR_NEGATIVE_STEP_COUNT;

    if (numSteps == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    *numSteps = steps;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterName (AAX_CParamID identifier, AAX_IString* name) const
{
    if (name == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const auto* parameter = findParameter (identifier);
    name->Set (parameter != nullptr ? parameter->Name().Get() : "");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNameOfLength (AAX_CParamID identifier, AAX_IString* name, int32_t nameLength) const
{
    if (name == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;

    const auto* parameter = findParameter (identifier);

    if (parameter == nullptr)
    {
        name->Set ("");
        return AAX_SUCCESS;
    }

    const AAX_CString& shortened = parameter->ShortenedName (nameLength);
    const std::string text (shortened.Get(), std::min (shortened.Length(), maxShortenedNameLength));

    if (text.empty())
        return AAX_SUCCESS;

    // The longest line that fits; the first of equally long ones.
    const auto pieces = splitLines (text);
    const std::string* best = nullptr;

    for (auto& piece : pieces)
        if (! piece.empty() && static_cast<int64_t> (piece.size()) <= nameLength
             && (best == nullptr || piece.size() > best->size()))
            best = &piece;

    if (best != nullptr)
        name->Set (best->c_str());
    else if (nameLength < 1)
        name->Set ("");
    else
        AAX_CString (text.c_str()).SubString (0, static_cast<uint32_t> (nameLength), name);

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue (AAX_CParamID identifier, double* value) const
{
    return readParameter (identifier, value, [] (const AAX_IParameter& p) { return p.GetNormalizedDefaultValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterDefaultNormalizedValue (AAX_CParamID identifier, double value)
{
    return changeParameter (identifier, [value] (AAX_IParameter& p) { p.SetNormalizedDefaultValue (value); });
}

AAX_Result AAX_CEffectParameters::GetParameterType (AAX_CParamID identifier, AAX_EParameterType* type) const
{
    return readParameter (identifier, type, [] (const AAX_IParameter& p) { return p.GetType(); });
}

AAX_Result AAX_CEffectParameters::GetParameterOrientation (AAX_CParamID identifier, AAX_EParameterOrientation* orientation) const
{
    return readParameter (identifier, orientation, [] (const AAX_IParameter& p) { return p.GetOrientation(); });
}

AAX_Result AAX_CEffectParameters::GetParameter (AAX_CParamID identifier, AAX_IParameter** parameter)
{
    if (parameter == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    *parameter = findParameter (identifier);
    return *parameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex (AAX_CParamID identifier, int32_t* index) const
{
    if (index == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    *index = mParameterManager.GetParameterIndex (identifier);
    return *index >= 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex (int32_t index, AAX_IString* identifier) const
{
    if (identifier == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const auto* parameter = mParameterManager.GetParameter (index);
    identifier->Set (parameter != nullptr ? parameter->Identifier() : "");
    return parameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterValueInfo (AAX_CParamID, int32_t, int32_t* value) const
{
    if (value != nullptr)
        *value = 0;

    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetParameterValueFromString (AAX_CParamID identifier, double* value, const AAX_IString& valueString) const
{
    const auto* parameter = findParameter (identifier);

    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    return parameter->GetNormalizedValueFromString (AAX_CString (valueString), value) ? AAX_SUCCESS
                                                                                      : AAX_ERROR_INVALID_STRING_CONVERSION;
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue (AAX_CParamID identifier, double value, AAX_IString* valueString, int32_t maxLength) const
{
    const auto* parameter = findParameter (identifier);

    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    AAX_CString text;

    if (valueString == nullptr || ! parameter->GetStringFromNormalizedValue (value, maxLength, text))
        return AAX_ERROR_INVALID_STRING_CONVERSION;

    valueString->Set (text.Get());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterValueString (AAX_CParamID identifier, AAX_IString* valueString, int32_t maxLength) const
{
    return readParameter (identifier, valueString, [maxLength] (const AAX_IParameter& p)
    {
        AAX_CString text;
        p.GetValueString (maxLength, &text);
        return text;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue (AAX_CParamID identifier, double* value) const
{
    return readParameter (identifier, value, [] (const AAX_IParameter& p) { return p.GetNormalizedValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue (AAX_CParamID identifier, double value)
{
    // Through the host's automation when a delegate is set.
    return changeParameter (identifier, [value] (AAX_IParameter& p) { p.SetNormalizedValue (value); });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedRelative (AAX_CParamID identifier, double delta)
{
    double target = 0.0;
    const auto result = relativeTarget (identifier, delta, target);

    if (result != AAX_SUCCESS || std::isnan (target))
        return result;

    return SetParameterNormalizedValue (identifier, target);
}

AAX_Result AAX_CEffectParameters::relativeTarget (AAX_CParamID identifier, double delta, double& target) const
{
    // Through the virtual getter, so that a derived class's answer counts.
    double current = 0.0;
    const auto result = GetParameterNormalizedValue (identifier, &current);
    target = current + delta;

    if (! std::isnan (target))
        target = std::max (0.0, std::min (1.0, target));

    return result;
}

//==============================================================================
AAX_Result AAX_CEffectParameters::TouchParameter (AAX_CParamID identifier)
{
    return changeParameter (identifier, [] (AAX_IParameter& p) { p.Touch(); });
}

AAX_Result AAX_CEffectParameters::ReleaseParameter (AAX_CParamID identifier)
{
    return changeParameter (identifier, [] (AAX_IParameter& p) { p.Release(); });
}

AAX_Result AAX_CEffectParameters::UpdateParameterTouch (AAX_CParamID, AAX_CBoolean)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue (AAX_CParamID identifier, double value, AAX_EUpdateSource)
{
    auto* parameter = findParameter (identifier);

    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    const auto previous = parameter->GetNormalizedValue();
    parameter->UpdateNormalizedValue (value);
    const auto result = mPacketDispatcher.SetDirty (identifier, true);

    if (value != previous || std::isnan (value) || std::isnan (previous))
    {
        auto count = mNumChanges.load (std::memory_order_relaxed);

        while (! mNumChanges.compare_exchange_weak (count, NextChangeCount (count), std::memory_order_relaxed))
        {
        }
    }

    return result;
}

int32_t AAX_CEffectParameters::NextChangeCount (int32_t count) noexcept
{
    return count >= std::numeric_limits<int32_t>::max() || count < 0 ? 0 : count + 1;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedRelative (AAX_CParamID identifier, double delta)
{
    double target = 0.0;
    const auto result = relativeTarget (identifier, delta, target);

    if (result != AAX_SUCCESS || std::isnan (target))
        return result;

    return UpdateParameterNormalizedValue (identifier, target, AAX_eUpdateSource_Unspecified);
}

AAX_Result AAX_CEffectParameters::GenerateCoefficients()
{
    return mPacketDispatcher.Dispatch();
}

AAX_Result AAX_CEffectParameters::ResetFieldData (AAX_CFieldIndex, void* data, uint32_t dataSize) const
{
    if (data != nullptr)
        std::memset (data, 0, dataSize);

    return AAX_SUCCESS;
}

//==============================================================================
bool AAX_CEffectParameters::isFiltered (AAX_CParamID identifier) const
{
    return mFilteredParameters.count (identifier) > 0;
}

void AAX_CEffectParameters::FilterParameterIDOnSave (AAX_CParamID identifier)
{
    if (identifier != nullptr)
        mFilteredParameters.insert (identifier);
}

AAX_CChunkDataParser AAX_CEffectParameters::BuildChunkData() const
{
    AAX_CChunkDataParser chunk;
    int32_t numParameters = 0;
    GetNumberOfParameters (&numParameters);

    for (int32_t index = 0; index < numParameters; ++index)
    {
        const auto* parameter = mParameterManager.GetParameter (index);

        if (parameter == nullptr || isFiltered (parameter->Identifier()))
            continue;

        const auto* identifier = parameter->Identifier();
        const ProbedValue value (*parameter);

        switch (value.kind)
        {
            case ProbedValue::floatValue:   chunk.AddDouble (identifier, value.floatNumber); break;
            case ProbedValue::int32Value:   chunk.AddInt32 (identifier, value.int32Number); break;
            case ProbedValue::boolValue:    chunk.AddInt32 (identifier, value.boolean ? 1 : 0); break;
            case ProbedValue::doubleValue:  chunk.AddDouble (identifier, value.doubleNumber); break;
            case ProbedValue::textValue:    chunk.AddString (identifier, value.text); break;
            case ProbedValue::none:         break;
        }
    }

    return chunk;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChunks (int32_t* numChunks) const
{
    if (numChunks == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    *numChunks = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex (int32_t index, AAX_CTypeID* chunkID) const
{
    if (chunkID == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    *chunkID = index == 0 ? cControlsChunkID : 0;
    return index == 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_CHUNK_INDEX;
}

AAX_Result AAX_CEffectParameters::GetChunkSize (AAX_CTypeID chunkID, uint32_t* size) const
{
    if (size == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    if (chunkID != cControlsChunkID)
    {
        *size = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }

    const auto dataSize = BuildChunkData().GetChunkDataSize();
    mChunkSize = dataSize;

    if (dataSize < 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;

    mChunkRoom.NoteReportedSize (dataSize);

    *size = static_cast<uint32_t> (dataSize);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunk (AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) const
{
    if (chunkID != cControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;

    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const auto built = BuildChunkData();
    const auto reportedSize = mChunkSize.load();

    // The record has room for what GetChunkSize reported; the writer sets its size field.
    if (reportedSize == 0 || built.GetChunkDataSize() != reportedSize || ! mChunkRoom.HasRoomFor (*chunk, reportedSize))
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;

    chunk->fVersion = built.GetChunkVersion();
    std::memset (chunk->fName, 0, sizeof (chunk->fName));
    std::strncpy (chunk->fName, CONTROLS_CHUNK_DESCRIPTION, sizeof (chunk->fName) - 1);
    return built.GetChunkData (chunk);
}

AAX_Result AAX_CEffectParameters::SetChunk (AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk)
{
    if (chunkID != cControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;

    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    AAX_CChunkDataParser stored;
    stored.LoadChunk (chunk);
    int32_t numParameters = 0;
    GetNumberOfParameters (&numParameters);

    for (int32_t index = 0; index < numParameters; ++index)
    {
        auto* parameter = mParameterManager.GetParameter (index);

        if (parameter == nullptr || isFiltered (parameter->Identifier()))
            continue;

        // A missing or mistyped entry leaves its parameter as it is.
        const ProbedValue value (stored, parameter->Identifier(), ProbedValue (*parameter).kind);

        switch (value.kind)
        {
            case ProbedValue::floatValue:   parameter->SetValueWithFloat (value.floatNumber); break;
            case ProbedValue::int32Value:   parameter->SetValueWithInt32 (value.int32Number); break;
            case ProbedValue::boolValue:    parameter->SetValueWithBool (value.boolean); break;
            case ProbedValue::doubleValue:  parameter->SetValueWithDouble (value.doubleNumber); break;
            case ProbedValue::textValue:    parameter->SetValueWithString (value.text); break;
            case ProbedValue::none:         break;
        }
    }

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* isActive) const
{
    if (chunk == nullptr || isActive == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    *isActive = 1;

    if (chunk->fChunkID != cControlsChunkID)
        return AAX_SUCCESS;

    *isActive = 0;
    AAX_CChunkDataParser stored;
    stored.LoadChunk (chunk);
    int32_t numParameters = 0;
    GetNumberOfParameters (&numParameters);

    if (numParameters < 1)
    {
        *isActive = 1;
        return AAX_SUCCESS;
    }

    for (int32_t index = 0; index < numParameters; ++index)
    {
        const auto* parameter = mParameterManager.GetParameter (index);

        if (parameter == nullptr || isFiltered (parameter->Identifier()))
            continue;

        const ProbedValue value (*parameter);

        if (! ProbedValue (stored, parameter->Identifier(), value.kind).matches (value))
            return AAX_SUCCESS;
    }

    *isActive = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChanges (int32_t* numChanges) const
{
    if (numChanges == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const auto count = mNumChanges.load (std::memory_order_relaxed);

    if (count >= 0)
        *numChanges = count;

    return AAX_SUCCESS;
}

//==============================================================================
AAX_Result AAX_CEffectParameters::TimerWakeup()                                          { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::GetCurveData (AAX_CTypeID, const float*, uint32_t, float*) const  { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result AAX_CEffectParameters::GetCustomData (AAX_CTypeID, uint32_t, void*, uint32_t* bytesWritten) const
{
    if (bytesWritten != nullptr)
        *bytesWritten = 0;

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetCustomData (AAX_CTypeID, uint32_t, const void*)                { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::DoMIDITransfers()                                                 { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::RenderAudio_Hybrid (AAX_SHybridRenderInfo*)                       { return AAX_ERROR_UNIMPLEMENTED; }
AAX_Result AAX_CEffectParameters::UpdateMIDINodes (AAX_CFieldIndex, AAX_CMidiPacket&)               { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::UpdateControlMIDINodes (AAX_CTypeID, AAX_CMidiPacket&)            { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::GetCurveDataMeterIds (AAX_CTypeID, uint32_t*, uint32_t*) const   { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result AAX_CEffectParameters::GetCurveDataDisplayRange (AAX_CTypeID, float*, float*, float*, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

//==============================================================================
AAX_IController* AAX_CEffectParameters::Controller() const noexcept     { return mController; }
AAX_ITransport* AAX_CEffectParameters::Transport() const noexcept       { return mTransport; }

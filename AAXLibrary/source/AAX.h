#pragma once

#include <cstddef>
#include <cstdint>

/** Basic types and result codes shared by the whole AAX class library. */

/** Result of every AAX operation: 0 is success, negative values are errors. */
using AAX_Result = int32_t;

/** A one-byte boolean as it crosses the host interfaces. */
using AAX_CBoolean = uint8_t;

/** A parameter identifier as it crosses the host interfaces. */
using AAX_CParamID = const char*;

/** Values of the enumerations the host defines. The library passes them on unread. */
using AAX_EStemFormat = int32_t;
using AAX_EProperty = int32_t;
using AAX_EFrameRate = int32_t;
using AAX_EFeetFramesRate = int32_t;
using AAX_EDataInPortType = int32_t;
using AAX_EMIDINodeType = int32_t;
using AAX_EResourceType = int32_t;
using AAX_EComponentInstanceInitAction = int32_t;
using AAX_CProcPtrID = int32_t;
using AAX_CTypeID = uint32_t;
using AAX_CFieldIndex = int32_t;
using AAX_EPlugInStrings = int32_t;
using AAX_EHighlightColor = int32_t;
using AAX_EParameterOrientation = int32_t;

/** Values of the host's enumerations that the plug-in itself passes: the properties it
    describes its components with (all between 10 and 401), stem formats (the low 16 bits
    count the channels), the selectors of its creation functions, its category, the kind
    of its data ports and the view container of a native X11 window.
*/
constexpr AAX_EProperty AAX_eProperty_ManufacturerID = 10;
constexpr AAX_EProperty AAX_eProperty_ProductID = 11;
constexpr AAX_EProperty AAX_eProperty_PlugInID_Native = 12;
constexpr AAX_EProperty AAX_eProperty_PlugInID_AudioSuite = 13;
constexpr AAX_EProperty AAX_eProperty_InputStemFormat = 20;
constexpr AAX_EProperty AAX_eProperty_OutputStemFormat = 21;
constexpr AAX_EProperty AAX_eProperty_CanBypass = 22;

constexpr AAX_EStemFormat AAX_eStemFormat_Mono = 1;
constexpr AAX_EStemFormat AAX_eStemFormat_Stereo = 2;

inline int32_t AAX_StemFormatChannelCount (AAX_EStemFormat stemFormat) noexcept    { return stemFormat & 0xFFFF; }

constexpr AAX_CProcPtrID AAX_ProcPtrID_Create_EffectParameters = 0;
constexpr AAX_CProcPtrID AAX_ProcPtrID_Create_EffectGUI = 1;

constexpr uint32_t AAX_ePlugInCategory_Modulation = 0x00000040;
constexpr AAX_EDataInPortType AAX_eDataInPortType_Unbuffered = 0;
constexpr int32_t AAX_eViewContainer_Type_X11Window = 1;

/** Where a confirmed parameter value came from. The host gives the values meaning; the
    library passes them on and uses only "unspecified" of its own.
*/
using AAX_EUpdateSource = int32_t;
constexpr AAX_EUpdateSource AAX_eUpdateSource_Unspecified = 0;

/** The kind of a parameter's control: stepped or continuous. */
enum AAX_EParameterType : int32_t
{
    AAX_eParameterType_Discrete = 0,
    AAX_eParameterType_Continuous = 1
};

/** The modes of a DMA instance; the host gives them meaning. */
struct AAX_IDma
{
    using EMode = int32_t;
};

/** A view size as the host defines it; passed on unread. */
struct AAX_Point
{
    float vert = 0.0f;
    float horz = 0.0f;
};

/** An area of a view as the host defines it; passed on unread. */
struct AAX_Rect
{
    float top = 0.0f;
    float left = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

/** A MIDI packet as the host fills it; passed on unread. */
struct AAX_CMidiPacket
{
    uint32_t timestamp = 0;
    uint32_t length = 0;
    uint8_t data[4] = {};
    AAX_CBoolean isImmediate = 0;
};

/** A plug-in identifier triad as the host defines it; passed on unread. */
struct AAX_SPlugInIdentifierTriad
{
    AAX_CTypeID manufacturerID = 0;
    AAX_CTypeID productID = 0;
    AAX_CTypeID plugInID = 0;
};

/** The host's record of a hybrid render call; passed on unread. */
struct AAX_SHybridRenderInfo;

/** A chunk of saved state as it crosses the host interfaces: a header in the machine's
    byte order, then fSize bytes of data. The record is only ever reached through a
    pointer to memory the host or the plug-in laid out with room for the data.
*/
struct AAX_SPlugInChunk
{
    int32_t fSize;
    int32_t fVersion;
    AAX_CTypeID fManufacturerID;
    AAX_CTypeID fProductID;
    AAX_CTypeID fPlugInID;
    AAX_CTypeID fChunkID;
    char fName[32];
    char fData[1];
};

static_assert (offsetof (AAX_SPlugInChunk, fSize) == 0, "chunk record layout");
static_assert (offsetof (AAX_SPlugInChunk, fVersion) == 4, "chunk record layout");
static_assert (offsetof (AAX_SPlugInChunk, fManufacturerID) == 8, "chunk record layout");
static_assert (offsetof (AAX_SPlugInChunk, fProductID) == 12, "chunk record layout");
static_assert (offsetof (AAX_SPlugInChunk, fPlugInID) == 16, "chunk record layout");
static_assert (offsetof (AAX_SPlugInChunk, fChunkID) == 20, "chunk record layout");
static_assert (offsetof (AAX_SPlugInChunk, fName) == 24, "chunk record layout");
static_assert (offsetof (AAX_SPlugInChunk, fData) == 56, "chunk record layout");

/** The size of a chunk record's header: the data begins here. */
constexpr size_t AAX_kPlugInChunkHeaderSize = offsetof (AAX_SPlugInChunk, fData);

/** The data part of a chunk record, which runs on past the declared one-byte array. */
inline char* AAX_GetChunkData (AAX_SPlugInChunk* chunk) noexcept
{
    return reinterpret_cast<char*> (chunk) + AAX_kPlugInChunkHeaderSize;
}

inline const char* AAX_GetChunkData (const AAX_SPlugInChunk* chunk) noexcept
{
    return reinterpret_cast<const char*> (chunk) + AAX_kPlugInChunkHeaderSize;
}

/** Signatures of the functions handed to the host for a native process routine. */
using AAX_CProcessProc = void (*) (void* const instancesBegin[], const void* instancesEnd);
using AAX_CInstanceInitProc = int32_t (*) (const void* instanceContext, AAX_EComponentInstanceInitAction action);
using AAX_CBackgroundProc = int32_t (*) ();

/** A creation function the host calls for a new effect-parameters or GUI object: the
    object's host-visible interface, with no reference taken yet, or null.
*/
class IACFUnknown;
using AAX_CCreateObjectProc = IACFUnknown* (*) ();

/** The result codes of the library. */
enum AAX_EError : AAX_Result
{
    AAX_SUCCESS = 0,
    AAX_ERROR_INVALID_PARAMETER_ID = -20001,
    AAX_ERROR_INVALID_STRING_CONVERSION = -20002,
    AAX_ERROR_NULL_OBJECT = -20004,
    AAX_ERROR_INVALID_CHUNK_INDEX = -20006,
    AAX_ERROR_INVALID_CHUNK_ID = -20007,
    AAX_ERROR_INCORRECT_CHUNK_SIZE = -20008,
    AAX_ERROR_UNIMPLEMENTED = -20009,
    AAX_ERROR_NULL_COMPONENT = -20011,
    AAX_ERROR_NEGATIVE_STEP_COUNT = -20033,
    AAX_ERROR_CHUNK_DATA_NOT_WRITTEN = -333
};

/** Codes of the component-object layer beneath the AAX interfaces. */
constexpr AAX_Result ACF_E_NOINTERFACE = static_cast<AAX_Result> (0x80000004u);
constexpr AAX_Result ACF_E_POINTER = static_cast<AAX_Result> (0x80000005u);
constexpr AAX_Result ACF_E_UNEXPECTED = static_cast<AAX_Result> (0x8000FFFFu);

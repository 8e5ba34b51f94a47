#pragma once

#include <cstdint>

/** The text interface every AAX interface passes names, identifiers and display texts
    through. Its operation order is shared with the host and must not change.
*/
class AAX_IString
{
public:
    virtual ~AAX_IString() = default;

    /** The number of bytes in the text. */
    virtual uint32_t Length() const = 0;

    /** The largest length the object reports it can hold. */
    virtual uint32_t MaxLength() const = 0;

    /** The zero-terminated text. */
    virtual const char* Get() const = 0;

    /** Replaces the text with a copy of a zero-terminated text. */
    virtual void Set (const char* text) = 0;

    virtual AAX_IString& operator= (const AAX_IString& other) = 0;
    virtual AAX_IString& operator= (const char* text) = 0;

protected:
    AAX_IString() = default;
    AAX_IString (const AAX_IString&) = default;
};

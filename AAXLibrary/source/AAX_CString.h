#pragma once

#include "AAX_IString.h"

#include <string>

/** The plug-in side's text: an owned sequence of 8-bit characters, stored and returned
    byte for byte, with the editing and number conversions the parameter layer needs.
    Number conversions never depend on the process locale.
*/
class AAX_CString : public AAX_IString
{
public:
    AAX_CString() = default;

    /** Copies a zero-terminated text; a null pointer gives the empty text. */
    AAX_CString (const char* text);
    AAX_CString (const AAX_CString& other) = default;
    explicit AAX_CString (const AAX_IString& other);

    AAX_CString& operator= (const AAX_CString& other);

    uint32_t Length() const override;
    uint32_t MaxLength() const override;
    const char* Get() const override;
    void Set (const char* text) override;
    AAX_IString& operator= (const AAX_IString& other) override;
    AAX_IString& operator= (const char* text) override;

    /** The same text as Get(). */
    const char* CString() const;

    bool operator== (const AAX_CString& other) const;
    bool operator!= (const AAX_CString& other) const;

    /** The byte at the index; the caller keeps the index below Length(). */
    char& operator[] (uint32_t index);

    void Clear();

    /** Removes count bytes from position on; a range past the end stops at the end. */
    AAX_CString& Erase (uint32_t position, uint32_t count);

    /** Appends the number in fixed-point notation with the given number of decimals. */
    AAX_CString& AppendNumber (double number, int32_t precision);

    /** Reads a finite decimal number from the start of the text, ignoring what follows it.
        Stores 0.0 and returns false when the text does not begin with one; the forms
        "nan", "inf" and hexadecimal numbers are refused, as are numbers too large for a double.
    */
    bool ToDouble (double* out) const;

    /** Sets out to at most count bytes of the text, from position on. */
    void SubString (uint32_t position, uint32_t count, AAX_IString* out) const;

    /** The largest number of decimals AppendNumber writes. */
    static constexpr int32_t maxPrecision = 64;

private:
    std::string text;
};

#include "AAX_CString.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <locale>
#include <sstream>

namespace
{
    constexpr uint32_t maxStringLength = 0xFFFFFFFEu;

    /** Digits a fixed-point double can need before the decimal point, plus sign and point. */
    constexpr size_t maxIntegerCharacters = 312;

    bool isBlank (char c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    /** True when the text, after white space and a sign, starts a hexadecimal number. */
    bool startsWithHexNumber (const char* text)
    {
        while (isBlank (*text))
            ++text;

        if (*text == '+' || *text == '-')
            ++text;

        return text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    }
}

AAX_CString::AAX_CString (const char* textToCopy)
    : text (textToCopy != nullptr ? textToCopy : "")
{
}

AAX_CString::AAX_CString (const AAX_IString& other)
    : AAX_CString (other.Get())
{
}

AAX_CString& AAX_CString::operator= (const AAX_CString& other)
{
    text = other.text;
    return *this;
}

uint32_t AAX_CString::Length() const
{
    return static_cast<uint32_t> (text.size());
}

uint32_t AAX_CString::MaxLength() const
{
    return maxStringLength;
}

const char* AAX_CString::Get() const
{
    return text.c_str();
}

void AAX_CString::Set (const char* newText)
{
    text = newText != nullptr ? newText : "";
}

AAX_IString& AAX_CString::operator= (const AAX_IString& other)
{
    Set (other.Get());
    return *this;
}

AAX_IString& AAX_CString::operator= (const char* newText)
{
    Set (newText);
    return *this;
}

const char* AAX_CString::CString() const
{
    return text.c_str();
}

bool AAX_CString::operator== (const AAX_CString& other) const
{
    return std::strcmp (text.c_str(), other.text.c_str()) == 0;
}

bool AAX_CString::operator!= (const AAX_CString& other) const
{
    return ! operator== (other);
}

char& AAX_CString::operator[] (uint32_t index)
{
    return text[index];
}

void AAX_CString::Clear()
{
    text.clear();
}

AAX_CString& AAX_CString::Erase (uint32_t position, uint32_t count)
{
    if (position < text.size())
        text.erase (position, count);

    return *this;
}

AAX_CString& AAX_CString::AppendNumber (double number, int32_t precision)
{
    const auto decimals = precision < 0 ? 0 : (precision > maxPrecision ? maxPrecision : precision);
    char buffer[maxIntegerCharacters + maxPrecision];

    // to_chars always writes '.' and never groups digits, whatever the process locale.
    const auto result = std::to_chars (buffer, buffer + sizeof (buffer), number, std::chars_format::fixed, decimals);

    if (result.ec == std::errc())
        text.append (buffer, result.ptr);

    return *this;
}

bool AAX_CString::ToDouble (double* out) const
{
    if (out == nullptr)
        return false;

    *out = 0.0;

    if (startsWithHexNumber (text.c_str()))
        return false;

    // A stream imbued with the classic locale reads "0.5" the same way under every
    // process locale; it refuses "nan" and "inf" and fails on numbers beyond a double.
    std::istringstream stream (text);
    stream.imbue (std::locale::classic());

    double value = 0.0;

    if (! (stream >> value) || ! std::isfinite (value))
        return false;

    *out = value;
    return true;
}

void AAX_CString::SubString (uint32_t position, uint32_t count, AAX_IString* out) const
{
    if (out == nullptr)
        return;

    if (position >= text.size())
    {
        out->Set ("");
        return;
    }

    out->Set (text.substr (position, count).c_str());
}

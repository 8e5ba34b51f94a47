#include <gtest/gtest.h>

#include "AAX_CString.h"
#include "CommaDecimalLocale.h"

#include <cmath>

namespace
{
    double parsed (const char* text, bool expectedResult)
    {
        double value = -123.0;
        EXPECT_EQ (AAX_CString (text).ToDouble (&value), expectedResult) << "text: \"" << text << "\"";
        return value;
    }

    std::string appended (const char* start, double number, int32_t precision)
    {
        AAX_CString text (start);
        return text.AppendNumber (number, precision).Get();
    }
}

TEST (AaxString, ConstructionAndCopiesAreIndependent)
{
    AAX_CString fromNull (static_cast<const char*> (nullptr));
    EXPECT_EQ (fromNull.Length(), 0u);
    EXPECT_STREQ (fromNull.Get(), "");

    AAX_CString original ("Tremolo");
    AAX_CString copy (original);
    copy[0] = 'X';
    EXPECT_STREQ (original.Get(), "Tremolo");
    EXPECT_STREQ (copy.Get(), "Xremolo");

    const AAX_IString& asInterface = original;
    AAX_CString fromInterface (asInterface);
    EXPECT_TRUE (fromInterface == original);

    AAX_IString& target = copy;
    target = asInterface;
    EXPECT_STREQ (copy.CString(), "Tremolo");
    target = "Rate";
    EXPECT_EQ (copy.Length(), 4u);
    EXPECT_EQ (copy.Get(), copy.CString());
}

TEST (AaxString, MaxLengthIsFixed)
{
    EXPECT_EQ (AAX_CString().MaxLength(), 4294967294u);
    EXPECT_EQ (AAX_CString (std::string (5000, 'a').c_str()).MaxLength(), 4294967294u);
}

TEST (AaxString, ComparesBytewise)
{
    EXPECT_TRUE (AAX_CString ("ab") == AAX_CString ("ab"));
    EXPECT_TRUE (AAX_CString ("ab") != AAX_CString ("abc"));
    EXPECT_TRUE (AAX_CString ("ab") != AAX_CString ("Ab"));
}

TEST (AaxString, EraseAndSubString)
{
    AAX_CString number ("12.345");
    EXPECT_STREQ (number.Erase (2, 3).Get(), "125");
    EXPECT_STREQ (AAX_CString ("12.345").Erase (4, 2).Get(), "12.3");
    EXPECT_STREQ (AAX_CString ("12.345").Erase (4, 100).Get(), "12.3");
    EXPECT_STREQ (AAX_CString ("12.345").Erase (40, 1).Get(), "12.345");

    AAX_CString out ("old");
    AAX_CString ("Tremolo").SubString (0, 3, &out);
    EXPECT_STREQ (out.Get(), "Tre");
    AAX_CString ("Tremolo").SubString (0, 20, &out);
    EXPECT_STREQ (out.Get(), "Tremolo");
    AAX_CString ("Tremolo").SubString (9, 2, &out);
    EXPECT_STREQ (out.Get(), "");

    out.Clear();
    EXPECT_EQ (out.Length(), 0u);
}

TEST (AaxString, AppendNumberWritesFixedPoint)
{
    EXPECT_EQ (appended ("", 0.5, 3), "0.500");
    EXPECT_EQ (appended ("", 12.0, 3), "12.000");
    EXPECT_EQ (appended ("", -0.25, 3), "-0.250");
    EXPECT_EQ (appended ("x", 1.0, 3), "x1.000");
    EXPECT_EQ (appended ("", 0.0005, 3), "0.001");
    EXPECT_EQ (appended ("", 2.5, 0), "2");
    EXPECT_EQ (appended ("", 1234567.0, 1), "1234567.0");
    EXPECT_EQ (appended ("", 3.75, -2), "4");
}

TEST (AaxString, ToDoubleReadsLikeAStream)
{
    EXPECT_DOUBLE_EQ (parsed ("  7.25", true), 7.25);
    EXPECT_DOUBLE_EQ (parsed ("3abc", true), 3.0);
    EXPECT_DOUBLE_EQ (parsed ("-1e-1", true), -0.1);
    EXPECT_DOUBLE_EQ (parsed ("+.5", true), 0.5);
    EXPECT_DOUBLE_EQ (parsed ("0.75 Hz", true), 0.75);
    EXPECT_DOUBLE_EQ (parsed ("", false), 0.0);
    EXPECT_DOUBLE_EQ (parsed ("abc", false), 0.0);
    EXPECT_DOUBLE_EQ (parsed ("-", false), 0.0);
}

TEST (AaxString, ToDoubleRefusesNonFiniteAndHexForms)
{
    for (auto* text : { "nan", "NaN", "-nan", "inf", "-inf", "infinity", "INF", "1e400", "-1e999",
                        "0x10", "  -0X1p3", "0x" })
        EXPECT_EQ (parsed (text, false), 0.0);

    EXPECT_FALSE (AAX_CString ("1").ToDouble (nullptr));
}

TEST (AaxString, NumbersIgnoreACommaDecimalLocale)
{
    CommaDecimalLocale locale;
    SKIP_WITHOUT_COMMA_LOCALE (locale);

    EXPECT_DOUBLE_EQ (parsed ("0.5", true), 0.5);
    EXPECT_DOUBLE_EQ (parsed ("0,5", true), 0.0);
    EXPECT_EQ (appended ("", 1234.5, 3), "1234.500");
}

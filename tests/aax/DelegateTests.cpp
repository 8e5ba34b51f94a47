#include <gtest/gtest.h>

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "CommaDecimalLocale.h"

#include <cmath>
#include <limits>
#include <memory>

namespace
{
    using LinearTaper = AAX_CLinearTaperDelegate<float, 0>;
    using NumberDisplay = AAX_CNumberDisplayDelegate<float, 3u, 0u>;
    using BinaryTaper = AAX_CBinaryTaperDelegate<bool>;
    using BinaryDisplay = AAX_CBinaryDisplayDelegate<bool>;

    std::string shown (float value, int32_t maxChars)
    {
        AAX_CString text ("old");
        EXPECT_TRUE (NumberDisplay().ValueToString (value, maxChars, &text));
        return text.Get();
    }

    float read (const char* text, bool expectedResult)
    {
        float value = -99.0f;
        EXPECT_EQ (NumberDisplay().StringToValue (AAX_CString (text), &value), expectedResult) << text;
        return value;
    }
}

TEST (LinearTaper, MapsBothWaysAndBoundsTheRange)
{
    const LinearTaper taper (0.0f, 1.0f);
    EXPECT_EQ (taper.GetMinimumValue(), 0.0f);
    EXPECT_EQ (taper.GetMaximumValue(), 1.0f);

    EXPECT_EQ (taper.NormalizedToReal (0.0), 0.0f);
    EXPECT_EQ (taper.NormalizedToReal (0.25), 0.25f);
    EXPECT_EQ (taper.NormalizedToReal (1.0), 1.0f);
    EXPECT_EQ (taper.NormalizedToReal (1.5), 1.0f);
    EXPECT_EQ (taper.NormalizedToReal (-0.2), 0.0f);
    EXPECT_EQ (taper.NormalizedToReal (1.0e300), 1.0f);
    EXPECT_EQ (taper.NormalizedToReal (-std::numeric_limits<double>::infinity()), 0.0f);

    EXPECT_DOUBLE_EQ (taper.RealToNormalized (0.75f), 0.75);
    EXPECT_DOUBLE_EQ (taper.RealToNormalized (2.0f), 1.0);
    EXPECT_DOUBLE_EQ (taper.RealToNormalized (-1.0f), 0.0);

    EXPECT_EQ (taper.ConstrainRealValue (0.3f), 0.3f);
    EXPECT_TRUE (std::isnan (taper.ConstrainRealValue (std::numeric_limits<float>::quiet_NaN())));
}

TEST (LinearTaper, WorksOverAnOffsetRange)
{
    const LinearTaper taper (-12.0f, 12.0f);
    EXPECT_EQ (taper.NormalizedToReal (0.5), 0.0f);
    EXPECT_EQ (taper.NormalizedToReal (0.25), -6.0f);
    EXPECT_DOUBLE_EQ (taper.RealToNormalized (6.0f), 0.75);

    const LinearTaper empty (1.0f, 1.0f);
    EXPECT_EQ (empty.RealToNormalized (1.0f), 0.0);
}

TEST (LinearTaper, ClonesAreIndependentCopies)
{
    auto original = std::make_unique<LinearTaper> (2.0f, 4.0f);
    std::unique_ptr<AAX_ITaperDelegate<float>> clone (original->Clone());
    original.reset();

    EXPECT_EQ (clone->GetMinimumValue(), 2.0f);
    EXPECT_EQ (clone->GetMaximumValue(), 4.0f);
    EXPECT_NE (dynamic_cast<LinearTaper*> (clone.get()), nullptr);
}

TEST (BinaryTaper, IsTrueAboveZero)
{
    const BinaryTaper taper;
    EXPECT_FALSE (taper.GetMinimumValue());
    EXPECT_TRUE (taper.GetMaximumValue());
    EXPECT_FALSE (taper.NormalizedToReal (0.0));
    EXPECT_TRUE (taper.NormalizedToReal (0.0001));
    EXPECT_FALSE (taper.NormalizedToReal (-1.0));
    EXPECT_FALSE (taper.NormalizedToReal (std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ (taper.RealToNormalized (true), 1.0);
    EXPECT_EQ (taper.RealToNormalized (false), 0.0);
    EXPECT_TRUE (taper.ConstrainRealValue (true));
}

TEST (NumberDisplay, ShowsThreeDecimalsCutToTheLimit)
{
    AAX_CString text;
    EXPECT_TRUE (NumberDisplay().ValueToString (0.5f, &text));
    EXPECT_STREQ (text.Get(), "0.500");

    EXPECT_EQ (shown (12.345f, 6), "12.345");
    EXPECT_EQ (shown (12.345f, 10), "12.345");
    EXPECT_EQ (shown (12.345f, 4), "12.3");
    EXPECT_EQ (shown (12.345f, 3), "12");
    EXPECT_EQ (shown (12.345f, 2), "12");
    EXPECT_EQ (shown (0.5f, 2), "0");
    EXPECT_EQ (shown (1.0f, 1), "1");
    EXPECT_EQ (shown (-0.25f, 3), "-0");
    EXPECT_EQ (shown (0.5f, 0), "");
    EXPECT_EQ (shown (0.5f, -5), "");
}

TEST (NumberDisplay, ReadsNumbersAndRefusesTheRest)
{
    EXPECT_FLOAT_EQ (read ("1e-1", true), 0.1f);
    EXPECT_FLOAT_EQ (read ("0.75 Hz", true), 0.75f);
    EXPECT_FLOAT_EQ (read ("  -3", true), -3.0f);
    EXPECT_EQ (read ("abc", false), 0.0f);
    EXPECT_EQ (read ("", false), 0.0f);

    for (auto* text : { "nan", "inf", "-inf", "0x1p-1", "1e999" })
        EXPECT_EQ (read (text, false), 0.0f);

    // Beyond a float but within a double: the largest float, which the taper then bounds.
    EXPECT_EQ (read ("1e300", true), std::numeric_limits<float>::max());
    EXPECT_EQ (read ("-1e300", true), -std::numeric_limits<float>::max());
}

TEST (NumberDisplay, IgnoresACommaDecimalLocale)
{
    CommaDecimalLocale locale;
    SKIP_WITHOUT_COMMA_LOCALE (locale);

    EXPECT_FLOAT_EQ (read ("0.5", true), 0.5f);
    EXPECT_EQ (shown (0.25f, 10), "0.250");
}

TEST (BinaryDisplay, ShowsAndReadsItsTwoTexts)
{
    const BinaryDisplay display ("bypass", "on");
    AAX_CString text;

    EXPECT_TRUE (display.ValueToString (true, &text));
    EXPECT_STREQ (text.Get(), "on");
    EXPECT_TRUE (display.ValueToString (false, &text));
    EXPECT_STREQ (text.Get(), "bypass");

    for (int32_t limit : { -1, 0, 2, 3, 100 })
    {
        EXPECT_TRUE (display.ValueToString (false, limit, &text));
        EXPECT_STREQ (text.Get(), "bypass") << limit;
    }

    bool value = false;
    EXPECT_TRUE (display.StringToValue (AAX_CString ("on"), &value));
    EXPECT_TRUE (value);
    EXPECT_TRUE (display.StringToValue (AAX_CString ("bypass"), &value));
    EXPECT_FALSE (value);

    value = true;
    EXPECT_FALSE (display.StringToValue (AAX_CString ("On"), &value));
    EXPECT_FALSE (value);
    EXPECT_FALSE (display.StringToValue (AAX_CString (" on"), &value));
}

TEST (BinaryDisplay, ClonesKeepTheirTexts)
{
    auto original = std::make_unique<BinaryDisplay> (nullptr, "on");
    std::unique_ptr<AAX_IDisplayDelegate<bool>> clone (original->Clone());
    original.reset();

    AAX_CString text ("x");
    clone->ValueToString (false, &text);
    EXPECT_STREQ (text.Get(), "");
    clone->ValueToString (true, 1, &text);
    EXPECT_STREQ (text.Get(), "on");
}

#include <gtest/gtest.h>

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_VAutomationDelegate.h"
#include "CommaDecimalLocale.h"
#include "FakeHostInterfaces.h"

#include <limits>
#include <memory>

using fakehost::Host;

namespace
{
    using LinearTaper = AAX_CLinearTaperDelegate<float, 0>;
    using NumberDisplay = AAX_CNumberDisplayDelegate<float, 3u, 0u>;
    using FloatParameter = AAX_CParameter<float>;
    using BoolParameter = AAX_CParameter<bool>;

    constexpr float floatNaN = std::numeric_limits<float>::quiet_NaN();

    /** A processor parameter as the effect's adapter builds it. */
    std::unique_ptr<FloatParameter> makeFloat (float defaultValue, const char* identifier = "2", const char* name = "Rate")
    {
        return std::make_unique<FloatParameter> (identifier, AAX_CString (name), defaultValue,
                                                 LinearTaper (0.0f, 1.0f), NumberDisplay(), true);
    }

    /** The master bypass as the effect's adapter builds it. */
    std::unique_ptr<BoolParameter> makeBypass()
    {
        auto bypass = std::make_unique<BoolParameter> ("MasterBypassID", AAX_CString ("Master Bypass"), false,
                                                       AAX_CBinaryTaperDelegate<bool>(),
                                                       AAX_CBinaryDisplayDelegate<bool> ("bypass", "on"), true);
        bypass->SetNumberOfSteps (2);
        bypass->SetType (AAX_eParameterType_Discrete);
        return bypass;
    }

    float valueOf (const FloatParameter& p)
    {
        float value = -1.0f;
        EXPECT_TRUE (p.GetValueAsFloat (&value));
        return value;
    }

    /** A parameter connected to the stand-in host's automation delegate. */
    class AutomatedParameter : public testing::Test
    {
    protected:
        std::vector<std::string> automationCalls() const
        {
            std::vector<std::string> calls;

            for (auto& c : host.calls)
            {
                if (c.interfaceName != "automation.v1")
                    continue;

                auto line = c.operation;

                for (auto& a : c.arguments)
                    line += " " + a;

                calls.push_back (line);
            }

            return calls;
        }

        Host host;
        AAX_VAutomationDelegate automation { host.unknown() };
    };
}

TEST (AaxParameter, StartsAtItsConstrainedDefault)
{
    auto p = makeFloat (0.7f);
    EXPECT_FLOAT_EQ (valueOf (*p), 0.7f);
    EXPECT_EQ (p->GetNumberOfSteps(), 128u);
    EXPECT_EQ (p->GetType(), AAX_eParameterType_Continuous);
    EXPECT_EQ (p->GetOrientation(), 0);
    EXPECT_STREQ (p->Identifier(), "2");
    EXPECT_STREQ (p->Name().Get(), "Rate");
    EXPECT_TRUE (p->Automatable());

    auto high = makeFloat (1.5f);
    EXPECT_EQ (valueOf (*high), 1.0f);
    EXPECT_DOUBLE_EQ (high->GetNormalizedDefaultValue(), 1.0);

    high->SetNormalizedDefaultValue (0.25);
    EXPECT_DOUBLE_EQ (high->GetNormalizedDefaultValue(), 0.25);
    EXPECT_EQ (valueOf (*high), 1.0f);
    high->SetToDefaultValue();
    EXPECT_EQ (valueOf (*high), 0.25f);
}

TEST (AaxParameter, CutsLongIdentifiers)
{
    auto p = makeFloat (0.0f, "0123456789012345678901234567890123456789");
    EXPECT_STREQ (p->Identifier(), "0123456789012345678901234567890");

    std::unique_ptr<AAX_IParameterValue> snapshot (p->CloneValue());
    p->SetValueWithFloat (0.5f);
    float value = -1.0f;
    EXPECT_TRUE (snapshot->GetValueAsFloat (&value));
    EXPECT_EQ (value, 0.0f);
    EXPECT_STREQ (snapshot->Identifier(), p->Identifier());
}

TEST (AaxParameter, PicksTheShortenedNameThatFits)
{
    auto p = makeFloat (0.0f, "4", "Tremolo Rate");
    p->AddShortenedName (AAX_CString ("Trem"));
    p->AddShortenedName (AAX_CString ("TremRate"));

    EXPECT_STREQ (p->ShortenedName (3).Get(), "Trem");
    EXPECT_STREQ (p->ShortenedName (6).Get(), "Trem");
    EXPECT_STREQ (p->ShortenedName (8).Get(), "TremRate");
    EXPECT_STREQ (p->ShortenedName (11).Get(), "TremRate");
    EXPECT_STREQ (p->ShortenedName (12).Get(), "Tremolo Rate");
    EXPECT_STREQ (p->ShortenedName (-1).Get(), "Tremolo Rate");

    p->AddShortenedName (AAX_CString ("Rate"));
    EXPECT_STREQ (p->ShortenedName (5).Get(), "Rate");

    p->ClearShortenedNames();
    EXPECT_STREQ (p->ShortenedName (3).Get(), "Tremolo Rate");
}

TEST (AaxParameter, StepsAndNormalizedValues)
{
    auto p = makeFloat (0.0f);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (0.5), 64u);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (1.0), 127u);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (7.0), 127u);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (-3.0), 0u);
    EXPECT_DOUBLE_EQ (p->GetNormalizedValueFromStep (127), 1.0);

    p->SetStepValue (127);
    EXPECT_EQ (valueOf (*p), 1.0f);
    EXPECT_EQ (p->GetStepValue(), 127u);

    p->SetNumberOfSteps (2);
    EXPECT_DOUBLE_EQ (p->GetNormalizedValueFromStep (1), 1.0);
    EXPECT_DOUBLE_EQ (p->GetNormalizedValueFromStep (5), 1.0);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (0.49), 0u);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (0.5), 1u);

    p->SetNumberOfSteps (0);
    EXPECT_EQ (p->GetNumberOfSteps(), 2u);

    p->SetNumberOfSteps (1);
    EXPECT_EQ (p->GetNormalizedValueFromStep (1), 0.0);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (1.0), 0u);
    p->SetStepValue (0);
    EXPECT_EQ (valueOf (*p), 1.0f);
}

TEST (AaxParameter, TextsAndTheirParsing)
{
    auto p = makeFloat (0.5f);
    AAX_CString text;

    EXPECT_TRUE (p->GetValueString (3, &text));
    EXPECT_STREQ (text.Get(), "0.500");
    EXPECT_TRUE (p->GetStringFromNormalizedValue (0.5, 3, text));
    EXPECT_STREQ (text.Get(), "0.5");
    EXPECT_TRUE (p->GetStringFromNormalizedValue (0.25, text));
    EXPECT_STREQ (text.Get(), "0.250");

    double normalized = -1.0;
    EXPECT_FALSE (p->GetNormalizedValueFromString (AAX_CString ("1.5"), &normalized));
    EXPECT_EQ (normalized, 1.0);
    EXPECT_TRUE (p->GetNormalizedValueFromString (AAX_CString ("0.75"), &normalized));
    EXPECT_EQ (normalized, 0.75);

    normalized = -1.0;
    EXPECT_FALSE (p->GetNormalizedValueFromString (AAX_CString ("loud"), &normalized));
    EXPECT_EQ (normalized, -1.0);

    EXPECT_TRUE (p->SetValueFromString (AAX_CString ("1.5")));
    EXPECT_EQ (valueOf (*p), 1.0f);
    EXPECT_FALSE (p->SetValueFromString (AAX_CString ("loud")));
    EXPECT_EQ (valueOf (*p), 1.0f);

    EXPECT_TRUE (p->SetValueWithString (AAX_CString ("0.125")));
    EXPECT_EQ (valueOf (*p), 0.125f);

    AAX_CString out;
    EXPECT_TRUE (p->GetValueAsString (&out));
    EXPECT_STREQ (out.Get(), "0.125");
    EXPECT_FALSE (p->GetValueAsString (nullptr));
}

TEST (AaxParameter, TextIsReadTheSameUnderACommaDecimalLocale)
{
    CommaDecimalLocale locale;
    SKIP_WITHOUT_COMMA_LOCALE (locale);

    auto p = makeFloat (0.0f);
    EXPECT_TRUE (p->SetValueFromString (AAX_CString ("0.5")));
    EXPECT_EQ (valueOf (*p), 0.5f);

    AAX_CString text;
    p->GetValueString (&text);
    EXPECT_STREQ (text.Get(), "0.500");
}

TEST (AaxParameter, OnlyTheOwnValueTypeAnswers)
{
    auto rate = makeFloat (0.5f);
    auto bypass = makeBypass();
    bool b = false;
    float f = -1.0f;
    int32_t i = -1;
    double d = -1.0;

    EXPECT_FALSE (bypass->GetValueAsFloat (&f));
    EXPECT_TRUE (bypass->GetValueAsBool (&b));
    EXPECT_FALSE (rate->GetValueAsBool (&b));
    EXPECT_TRUE (rate->GetValueAsFloat (&f));
    EXPECT_FALSE (rate->GetValueAsInt32 (&i));
    EXPECT_FALSE (rate->GetValueAsDouble (&d));
    EXPECT_EQ (i, -1);
    EXPECT_EQ (d, -1.0);

    EXPECT_FALSE (rate->SetValueWithBool (true));
    EXPECT_FALSE (rate->SetValueWithInt32 (1));
    EXPECT_FALSE (rate->SetValueWithDouble (1.0));
    EXPECT_EQ (valueOf (*rate), 0.5f);
    EXPECT_FALSE (bypass->SetValueWithFloat (1.0f));

    EXPECT_TRUE (rate->GetNormalizedValueFromFloat (0.25f, &d));
    EXPECT_EQ (d, 0.25);
    EXPECT_FALSE (rate->GetNormalizedValueFromBool (true, &d));
    EXPECT_FALSE (rate->GetNormalizedValueFromInt32 (1, &d));
    EXPECT_FALSE (rate->GetNormalizedValueFromDouble (1.0, &d));
    EXPECT_TRUE (rate->GetFloatFromNormalizedValue (2.0, &f));
    EXPECT_EQ (f, 1.0f);
    EXPECT_FALSE (rate->GetInt32FromNormalizedValue (0.5, &i));

    EXPECT_TRUE (bypass->GetBoolFromNormalizedValue (0.3, &b));
    EXPECT_TRUE (b);
    EXPECT_TRUE (bypass->GetNormalizedValueFromBool (true, &d));
    EXPECT_EQ (d, 1.0);
    EXPECT_FALSE (bypass->GetFloatFromNormalizedValue (0.5, &f));
}

TEST (AaxParameter, BypassShowsAndReadsItsTexts)
{
    auto bypass = makeBypass();
    AAX_CString text;
    bypass->GetValueString (&text);
    EXPECT_STREQ (text.Get(), "bypass");

    EXPECT_TRUE (bypass->SetValueFromString (AAX_CString ("on")));
    bool on = false;
    bypass->GetValueAsBool (&on);
    EXPECT_TRUE (on);
    EXPECT_EQ (bypass->GetStepValue(), 1u);
    EXPECT_FALSE (bypass->SetValueFromString (AAX_CString ("On")));
    bypass->GetValueAsBool (&on);
    EXPECT_TRUE (on);
}

TEST (AaxParameter, NaNNeverReachesTheValue)
{
    auto p = makeFloat (0.4f);

    EXPECT_FALSE (p->SetValueWithFloat (floatNaN));
    p->SetNormalizedValue (std::numeric_limits<double>::quiet_NaN());
    p->UpdateNormalizedValue (std::numeric_limits<double>::quiet_NaN());
    p->SetNormalizedDefaultValue (std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE (p->SetValueFromString (AAX_CString ("nan")));
    EXPECT_FALSE (p->SetValueFromString (AAX_CString ("inf")));
    EXPECT_EQ (valueOf (*p), 0.4f);
    EXPECT_FLOAT_EQ (static_cast<float> (p->GetNormalizedDefaultValue()), 0.4f);

    EXPECT_EQ (p->GetStepValueFromNormalizedValue (std::numeric_limits<double>::quiet_NaN()), 0u);

    float f = -1.0f;
    double d = -1.0;
    AAX_CString text ("kept");
    EXPECT_FALSE (p->GetFloatFromNormalizedValue (std::numeric_limits<double>::quiet_NaN(), &f));
    EXPECT_FALSE (p->GetNormalizedValueFromFloat (floatNaN, &d));
    EXPECT_FALSE (p->GetStringFromNormalizedValue (std::numeric_limits<double>::quiet_NaN(), text));
    EXPECT_EQ (f, -1.0f);
    EXPECT_EQ (d, -1.0);
    EXPECT_STREQ (text.Get(), "kept");

    // Infinite values are bounded by the taper, as any value out of range.
    EXPECT_TRUE (p->SetValueWithFloat (std::numeric_limits<float>::infinity()));
    EXPECT_EQ (valueOf (*p), 1.0f);
    EXPECT_TRUE (p->SetValueFromString (AAX_CString ("-1e300")));
    EXPECT_EQ (valueOf (*p), 0.0f);
}

TEST (AaxParameter, RefusesDelegatesOfAnotherValueType)
{
    auto p = makeFloat (0.5f);
    AAX_CBinaryTaperDelegate<bool> boolTaper;
    AAX_CBinaryDisplayDelegate<bool> boolDisplay ("off", "on");

    p->SetTaperDelegate (boolTaper, false);
    p->SetDisplayDelegate (boolDisplay);
    EXPECT_EQ (valueOf (*p), 0.5f);
    EXPECT_DOUBLE_EQ (p->GetNormalizedValue(), 0.5);

    AAX_CString text;
    p->GetValueString (&text);
    EXPECT_STREQ (text.Get(), "0.500");

    // A delegate of the right type is cloned, so the caller may destroy its own.
    {
        LinearTaper wider (0.0f, 2.0f);
        p->SetTaperDelegate (wider, true);
    }
    EXPECT_EQ (valueOf (*p), 0.5f);
    EXPECT_DOUBLE_EQ (p->GetNormalizedValue(), 0.25);
}

TEST_F (AutomatedParameter, RequestsGoThroughTheHostAndTheAnswerSetsTheValue)
{
    auto p = makeFloat (0.7f);
    p->SetAutomationDelegate (&automation);
    EXPECT_EQ (automationCalls(), std::vector<std::string> { "RegisterParameter \"2\"" });
    host.calls.clear();

    // The notify flag is clear after construction: the unchanged value is not reported.
    p->UpdateNormalizedValue (p->GetNormalizedValue());
    EXPECT_TRUE (automationCalls().empty());

    p->SetNormalizedValue (0.25);
    EXPECT_EQ (automationCalls(), (std::vector<std::string> { "PostTouchRequest \"2\"", "PostSetValueRequest \"2\" 0.25",
                                                              "PostReleaseRequest \"2\"" }));
    EXPECT_FLOAT_EQ (valueOf (*p), 0.7f);

    host.calls.clear();
    p->UpdateNormalizedValue (0.25);
    EXPECT_EQ (valueOf (*p), 0.25f);
    EXPECT_EQ (automationCalls(), std::vector<std::string> { "PostCurrentValue \"2\" 0.25" });

    host.calls.clear();
    p->UpdateNormalizedValue (0.25);
    EXPECT_TRUE (automationCalls().empty());

    p->SetNormalizedValue (1.7);
    EXPECT_EQ (host.lastCall ("automation.v1", "PostSetValueRequest")->arguments[1], "1");

    p->Touch();
    p->Release();
    EXPECT_EQ (host.countCalls ("automation.v1", "PostTouchRequest"), 2);
    EXPECT_EQ (host.countCalls ("automation.v1", "PostReleaseRequest"), 2);
}

TEST_F (AutomatedParameter, BypassRequestsOneForAnyPositiveValue)
{
    auto bypass = makeBypass();
    bypass->SetAutomationDelegate (&automation);
    bypass->SetNormalizedValue (0.3);
    EXPECT_EQ (host.lastCall ("automation.v1", "PostSetValueRequest")->arguments,
               (std::vector<std::string> { "\"MasterBypassID\"", "1" }));

    EXPECT_TRUE (bypass->SetValueWithBool (false));
    EXPECT_EQ (host.lastCall ("automation.v1", "PostSetValueRequest")->arguments[1], "0");
}

TEST_F (AutomatedParameter, ReplacingDelegatesReportsTheCurrentValue)
{
    auto p = makeFloat (0.5f);
    p->SetAutomationDelegate (&automation);
    host.calls.clear();

    LinearTaper same (0.0f, 1.0f);
    p->SetTaperDelegate (same, false);
    EXPECT_EQ (automationCalls(), std::vector<std::string> { "PostCurrentValue \"2\" 0.5" });

    host.calls.clear();
    p->SetDisplayDelegate (*std::make_unique<NumberDisplay>());
    EXPECT_EQ (automationCalls(), std::vector<std::string> { "PostCurrentValue \"2\" 0.5" });

    host.calls.clear();
    LinearTaper wider (0.0f, 2.0f);
    p->SetTaperDelegate (wider, true);
    EXPECT_EQ (automationCalls(), (std::vector<std::string> { "PostTouchRequest \"2\"", "PostSetValueRequest \"2\" 0.25",
                                                              "PostReleaseRequest \"2\"" }));
}

TEST_F (AutomatedParameter, UnregistersOnceWhenMovedOrDestroyed)
{
    Host otherHost;
    AAX_VAutomationDelegate otherAutomation (otherHost.unknown());

    auto p = makeFloat (0.0f, "7");
    p->SetAutomationDelegate (&automation);
    p->SetAutomationDelegate (&otherAutomation);
    EXPECT_EQ (host.countCalls ("automation.v1", "UnregisterParameter"), 1);
    EXPECT_EQ (otherHost.countCalls ("automation.v1", "RegisterParameter"), 1);

    p.reset();
    EXPECT_EQ (host.countCalls ("automation.v1", "UnregisterParameter"), 1);
    EXPECT_EQ (otherHost.countCalls ("automation.v1", "UnregisterParameter"), 1);
    EXPECT_EQ (otherHost.lastCall ("automation.v1", "UnregisterParameter")->arguments,
               std::vector<std::string> { "\"7\"" });
}

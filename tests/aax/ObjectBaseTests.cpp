#include <gtest/gtest.h>

#include "ACFPtr.h"
#include "AAX_CEffectGUI.h"
#include "AAX_CEffectParameters.h"
#include "AAX_UIDs.h"

#include <cstring>

namespace
{
    /** Records whether FinalRelease ran before the object died. */
    struct LifeRecord
    {
        bool finalReleased = false;
        bool destroyed = false;
        bool finalReleasedBeforeDestruction = false;
    };

    class TestEffectParameters : public AAX_CEffectParameters
    {
    public:
        explicit TestEffectParameters (LifeRecord& r) : record (r) {}
        ~TestEffectParameters() override
        {
            record.finalReleasedBeforeDestruction = record.finalReleased;
            record.destroyed = true;
        }

        void FinalRelease() override    { record.finalReleased = true; }

    private:
        LifeRecord& record;
    };

    class TestEffectGUI : public AAX_CEffectGUI
    {
        void CreateViewContents() override {}
        void CreateViewContainer() override {}
        void DeleteViewContainer() override {}
    };

    /** The host-visible pointer of an effect-parameters object, with one reference taken. */
    IACFUnknown* queryHostVisible (IACFUnknown* unknown, const acfIID& iid)
    {
        void* out = nullptr;
        EXPECT_EQ (unknown->QueryInterface (iid, &out), AAX_SUCCESS);
        return static_cast<IACFUnknown*> (out);
    }
}

TEST (AcfIdentifiers, AreStoredLittleEndian)
{
    const uint8_t expected[16] = { 0x15, 0xF0, 0xEE, 0x00, 0xD0, 0x7F, 0xD6, 0x11,
                                   0x84, 0x85, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24 };
    EXPECT_EQ (std::memcmp (&IID_IACFPluginDefinition, expected, sizeof (expected)), 0);
}

TEST (AcfIdentifiers, CompareAllSixteenBytes)
{
    _acfUID changed = IID_IAAXEffectParametersV1;
    EXPECT_TRUE (changed == IID_IAAXEffectParametersV1);
    changed.Data4[7] ^= 1;
    EXPECT_FALSE (changed == IID_IAAXEffectParametersV1);
    EXPECT_TRUE (changed != IID_IAAXEffectParametersV1);
}

TEST (AcfObjectBase, QueryForEffectParametersAddsAReference)
{
    const auto before = CACFUnknown::GetActiveObjectCount();
    LifeRecord record;
    auto* effect = new TestEffectParameters (record);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), before + 1);

    IACFUnknown* hostVisible = static_cast<AAX_IACFEffectParameters_V3*> (effect);

    for (auto& iid : { IID_IAAXEffectParametersV1, IID_IAAXEffectParametersV2, IID_IAAXEffectParametersV3 })
    {
        void* out = nullptr;
        EXPECT_EQ (hostVisible->QueryInterface (iid, &out), AAX_SUCCESS);
        EXPECT_EQ (out, hostVisible);
    }

    EXPECT_EQ (hostVisible->AddRef(), 4u);

    void* gui = reinterpret_cast<void*> (1);
    EXPECT_EQ (hostVisible->QueryInterface (IID_IAAXEffectGUIV1, &gui), ACF_E_NOINTERFACE);
    EXPECT_EQ (gui, nullptr);

    for (acfUInt32 expected = 3; expected > 0; --expected)
        EXPECT_EQ (hostVisible->Release(), expected);

    EXPECT_FALSE (record.destroyed);
    EXPECT_EQ (hostVisible->Release(), 0u);
    EXPECT_TRUE (record.destroyed);
    EXPECT_TRUE (record.finalReleasedBeforeDestruction);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), before);
}

TEST (AcfObjectBase, UnknownQueryYieldsThePrivateUnknown)
{
    LifeRecord record;
    auto* effect = new TestEffectParameters (record);
    IACFUnknown* hostVisible = static_cast<AAX_IACFEffectParameters_V3*> (effect);

    auto* identity = queryHostVisible (hostVisible, IID_IACFUnknown);
    ASSERT_NE (identity, nullptr);
    EXPECT_NE (static_cast<void*> (identity), static_cast<void*> (hostVisible));

    // The private unknown reaches the derived answer, and counts on the same object.
    auto* again = queryHostVisible (identity, IID_IAAXEffectParametersV2);
    EXPECT_EQ (again, hostVisible);

    EXPECT_EQ (identity->Release(), 1u);
    EXPECT_FALSE (record.destroyed);
    EXPECT_EQ (again->Release(), 0u);
    EXPECT_TRUE (record.destroyed);
}

TEST (AcfObjectBase, GuiAnswersOnlyItsOwnInterface)
{
    const auto before = CACFUnknown::GetActiveObjectCount();
    auto* gui = new TestEffectGUI;
    IACFUnknown* hostVisible = static_cast<AAX_IACFEffectGUI*> (gui);

    void* out = reinterpret_cast<void*> (1);
    EXPECT_EQ (hostVisible->QueryInterface (IID_IAAXEffectParametersV1, &out), ACF_E_NOINTERFACE);
    EXPECT_EQ (out, nullptr);

    EXPECT_EQ (queryHostVisible (hostVisible, IID_IAAXEffectGUIV1), hostVisible);
    EXPECT_EQ (hostVisible->QueryInterface (IID_IAAXEffectGUIV1, nullptr), ACF_E_POINTER);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), before + 1);
    EXPECT_EQ (hostVisible->Release(), 0u);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), before);
}

namespace
{
    /** A bare host interface that counts its references. */
    struct CountedInterface : public IACFUnknown
    {
        ACFRESULT QueryInterface (const acfIID&, void** out) override   { *out = nullptr; return ACF_E_NOINTERFACE; }
        acfUInt32 AddRef() override                                      { return static_cast<acfUInt32> (++adds - releases); }
        acfUInt32 Release() override                                     { return static_cast<acfUInt32> (adds - ++releases); }

        int adds = 0, releases = 0;
    };
}

TEST (AcfPtr, AddsAndReleasesOneReference)
{
    CountedInterface host;
    {
        ACFPtr<CountedInterface> holder (&host);
        EXPECT_EQ (host.adds, 1);
        EXPECT_EQ (holder.operator->(), &host);
    }
    EXPECT_EQ (host.releases, 1);
}

TEST (AcfPtr, OutputSlotReleasesWhatWasHeld)
{
    CountedInterface first, second;
    ACFPtr<CountedInterface> holder (&first);
    void** slot = holder.getOutputSlot();
    EXPECT_EQ (first.releases, 1);
    EXPECT_TRUE (holder.isEmpty());

    // A query fills the slot with a reference already added.
    second.AddRef();
    *slot = &second;
    EXPECT_EQ (holder.get(), &second);
    holder.reset();
    EXPECT_EQ (second.releases, 1);
}

TEST (AcfPtr, DereferencingAnEmptyHolderThrows)
{
    ACFPtr<CountedInterface> holder;
    EXPECT_EQ (holder.get(), nullptr);

    try
    {
        holder->AddRef();
        FAIL() << "an empty holder was dereferenced";
    }
    catch (AAX_Result code)
    {
        EXPECT_EQ (static_cast<uint32_t> (code), 0x80000005u);
    }
}

#include <gtest/gtest.h>

#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameterManager.h"
#include "AAX_StLock_Guard.h"
#include "AAX_VController.h"
#include "FakeHostInterfaces.h"
#include "TestEffect.h"

#include <cstring>
#include <thread>

using fakehost::Host;

namespace
{
    /** Workers for the dispatcher's handlers: each packet gets its own payload size. */
    struct Workers
    {
        AAX_Result fourBytes (AAX_CPacket& packet)
        {
            ++calls;
            std::memset (packet.GetData().Get (4), 7, 4);
            packet.SetSize (4);
            return AAX_SUCCESS;
        }

        AAX_Result noBytes (AAX_CPacket& packet)
        {
            packet.GetData().Get (0);
            packet.SetSize (0);
            return AAX_SUCCESS;
        }

        AAX_Result fails (AAX_CPacket&)    { ++calls; return AAX_ERROR_NULL_OBJECT; }

        int calls = 0;
    };

    using Handler = AAX_CPacketHandler<Workers>;

    class Dispatch : public testing::Test
    {
    protected:
        Dispatch()      { dispatcher.Initialize (&controller, &effect); }

        int posts() const      { return host.countCalls ("controller.v1", "PostPacket"); }

        Host host;
        AAX_VController controller { host.unknown() };
        TestEffect effect;
        Workers workers;
        AAX_CPacketDispatcher dispatcher;
    };
}

TEST_F (Dispatch, APacketSharedByTwoIdentifiersIsPostedOncePerDispatch)
{
    dispatcher.RegisterPacket ("a", 5, Handler (&workers, &Workers::fourBytes));
    dispatcher.RegisterPacket ("b", 5, Handler (&workers, &Workers::fourBytes));

    // New packets are dirty: the first dispatch posts without any marking.
    EXPECT_EQ (dispatcher.Dispatch(), Host::hostResult);
    EXPECT_EQ (posts(), 1);
    EXPECT_EQ (host.packets[5], std::vector<char> (4, 7));

    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ (posts(), 1);

    dispatcher.SetDirty ("a", true);
    dispatcher.SetDirty ("b", true);
    dispatcher.Dispatch();
    EXPECT_EQ (posts(), 2);
    EXPECT_EQ (workers.calls, 2);

    EXPECT_EQ (dispatcher.SetDirty ("never registered", true), AAX_SUCCESS);
    EXPECT_EQ (dispatcher.SetDirty (nullptr, true), AAX_SUCCESS);
    dispatcher.Dispatch();
    EXPECT_EQ (posts(), 2);
}

TEST_F (Dispatch, FailedEmptyOrPortlessPacketsAreNotPosted)
{
    dispatcher.RegisterPacket ("a", 1, Handler (&workers, &Workers::fails));
    dispatcher.RegisterPacket ("b", 2, Handler (&workers, &Workers::noBytes));
    EXPECT_EQ (dispatcher.RegisterPacket ("n", -1, Handler (&workers, &Workers::fourBytes)), AAX_ERROR_NULL_OBJECT);

    // A failed generation leaves the packet clean: it is not retried.
    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ (workers.calls, 1);
    EXPECT_EQ (posts(), 0);

    // A failure does not hide another packet's post result.
    dispatcher.RegisterPacket ("c", 3, Handler (&workers, &Workers::fourBytes));
    dispatcher.SetDirty ("a", true);
    EXPECT_EQ (dispatcher.Dispatch(), Host::hostResult);
    EXPECT_EQ (posts(), 1);

    // Without a controller nothing is posted; the packet waits, dirty, for one.
    dispatcher.SetDirty ("c", true);
    dispatcher.Initialize (nullptr, &effect);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_ERROR_NULL_OBJECT);
    dispatcher.Initialize (&controller, &effect);
    dispatcher.Dispatch();
    EXPECT_EQ (posts(), 2);

    const Handler empty (&workers, Handler::Worker (nullptr));
    AAX_CPacket packet (0);
    EXPECT_EQ (empty.Call ("a", packet), AAX_ERROR_NULL_OBJECT);
}

TEST_F (Dispatch, SingleValuePacketsCarryTheParametersValueByKind)
{
    ASSERT_EQ (effect.Initialize (nullptr), AAX_SUCCESS);
    effect.add (new AAX_CParameter<double> ("d", AAX_CString ("d"), -0.5, AAX_CLinearTaperDelegate<double, 0> (-1.0, 1.0),
                                            AAX_CNumberDisplayDelegate<double, 3u, 0u>(), true));
    effect.UpdateParameterNormalizedValue ("MasterBypassID", 1.0, AAX_eUpdateSource_Unspecified);
    effect.UpdateParameterNormalizedValue ("2", 0.25, AAX_eUpdateSource_Unspecified);

    const auto bytesOf = [] (const auto& value)
    {
        const auto* first = reinterpret_cast<const char*> (&value);
        return std::vector<char> (first, first + sizeof (value));
    };
    const std::pair<const char*, std::vector<char>> cases[] = { { "MasterBypassID", bytesOf (int32_t (1)) }, { "2", bytesOf (0.25f) },
                                                                { "d", bytesOf (-0.5) } };
    AAX_CPacket packet (3);

    for (const auto& [identifier, expected] : cases)
    {
        ASSERT_EQ (dispatcher.GenerateSingleValuePacket (identifier, packet), AAX_SUCCESS);
        const auto* data = static_cast<const char*> (packet.GetData().Get());
        EXPECT_EQ (std::vector<char> (data, data + packet.GetSize()), expected) << identifier;
    }

    EXPECT_EQ (dispatcher.GenerateSingleValuePacket ("unknown", packet), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (packet.GetSize(), 8u);
    effect.Uninitialize();
}

TEST (ParameterManager, KeepsTheFirstOfEachIdentifierInOrder)
{
    AAX_CParameterManager manager;
    auto make = [] (const char* identifier)
    {
        return new AAX_CParameter<float> (identifier, AAX_CString ("n"), 0.0f, AAX_CLinearTaperDelegate<float, 0> (0.0f, 1.0f),
                                          AAX_CNumberDisplayDelegate<float, 3u, 0u>(), true);
    };

    auto* first = make ("x");
    manager.AddParameter (first);
    manager.AddParameter (make ("y"));
    auto* duplicate = make ("x");
    manager.AddParameter (duplicate);
    manager.AddParameter (nullptr);

    EXPECT_EQ (manager.NumParameters(), 2);
    EXPECT_EQ (manager.GetParameterByID ("x"), first);
    EXPECT_EQ (manager.GetParameterIndex ("y"), 1);
    EXPECT_EQ (manager.GetParameterIndex ("z"), -1);
    EXPECT_EQ (manager.GetParameterIndex (nullptr), -1);
    EXPECT_EQ (manager.GetParameterByID (nullptr), nullptr);
    EXPECT_EQ (manager.GetParameter (-1), nullptr);
    EXPECT_EQ (manager.GetParameter (2), nullptr);
    EXPECT_EQ (manager.GetParameter (0), first);

    // The rejected object stays the caller's.
    delete duplicate;
}

TEST (Mutex, ALockHeldByThisThreadIsPassedAndReleasedByItsTaker)
{
    AAX_CMutex mutex;
    ASSERT_TRUE (mutex.Lock());
    EXPECT_FALSE (mutex.Lock());

    {
        const AAX_StLock_Guard nested (mutex);
    }

    // Unlocking from a thread that does not hold it does nothing either.
    std::thread ([&] { mutex.Unlock(); }).join();
    EXPECT_FALSE (mutex.Lock()) << "the lock was released by someone other than its taker";

    mutex.Unlock();
    bool otherThreadLocked = false;
    std::thread ([&] { otherThreadLocked = mutex.Lock(); mutex.Unlock(); }).join();
    EXPECT_TRUE (otherThreadLocked);
}

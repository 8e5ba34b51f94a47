#include <gtest/gtest.h>

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
    /** Packet generators: four bytes of 7, no bytes, or a failure. */
    struct Workers
    {
        AAX_Result fourBytes (AAX_CPacket& packet)
        {
            ++calls;
            std::memset (packet.GetData().Get (4), 7, 4);
            packet.SetSize (4);
            return AAX_SUCCESS;
        }

        AAX_Result noBytes (AAX_CPacket& packet)    { packet.GetData().Get (0); packet.SetSize (0); return AAX_SUCCESS; }
        AAX_Result fails (AAX_CPacket&)             { ++calls; return AAX_ERROR_NULL_OBJECT; }

        int calls = 0;
    };

    using Handler = AAX_CPacketHandler<Workers>;

    AAX_IParameter* makeParameter (const char* identifier)
    {
        return new AAX_CParameter<double> (identifier, AAX_CString (identifier), -0.5, AAX_CLinearTaperDelegate<double, 0> (-1.0, 1.0),
                                           AAX_CNumberDisplayDelegate<double, 3u, 0u>(), true);
    }
}

TEST (PacketDispatcher, PostsEachDirtyPacketOnceAndNothingFailedEmptyOrWithoutAPort)
{
    Host host;
    AAX_VController controller { host.unknown() };
    TestEffect effect;
    Workers workers;
    AAX_CPacketDispatcher dispatcher;
    dispatcher.Initialize (&controller, &effect);
    const auto posts = [&] { return host.countCalls ("controller.v1", "PostPacket"); };

    dispatcher.RegisterPacket ("a", 5, Handler (&workers, &Workers::fourBytes));
    dispatcher.RegisterPacket ("b", 5, Handler (&workers, &Workers::fourBytes));
    dispatcher.RegisterPacket ("f", 1, Handler (&workers, &Workers::fails));
    dispatcher.RegisterPacket ("e", 2, Handler (&workers, &Workers::noBytes));
    EXPECT_EQ (dispatcher.RegisterPacket ("n", -1, Handler (&workers, &Workers::fourBytes)), AAX_ERROR_NULL_OBJECT);

    // New packets are dirty; a failure does not hide the post's result.
    EXPECT_EQ (dispatcher.Dispatch(), Host::hostResult);
    EXPECT_EQ (posts(), 1);
    EXPECT_EQ (host.packets[5], std::vector<char> (4, 7));
    EXPECT_EQ (host.packets.count (2), 0u) << "an empty packet was posted";

    // Clean packets are not generated again, a failed one included.
    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ (workers.calls, 2);

    dispatcher.SetDirty ("a", true);
    dispatcher.SetDirty ("b", true);
    EXPECT_EQ (dispatcher.SetDirty ("never registered", true), AAX_SUCCESS);
    EXPECT_EQ (dispatcher.SetDirty (nullptr, true), AAX_SUCCESS);
    dispatcher.Dispatch();
    EXPECT_EQ (posts(), 2);

    // Without a controller the packet waits, dirty, for one.
    dispatcher.SetDirty ("a", true);
    dispatcher.Initialize (nullptr, &effect);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_ERROR_NULL_OBJECT);
    dispatcher.Initialize (&controller, &effect);
    dispatcher.Dispatch();
    EXPECT_EQ (posts(), 3);

    AAX_CPacket packet (0);
    EXPECT_EQ (Handler (&workers, Handler::Worker (nullptr)).Call ("a", packet), AAX_ERROR_NULL_OBJECT);
}

TEST (ParameterManager, KeepsTheFirstOfEachIdentifierInOrder)
{
    AAX_CParameterManager manager;
    auto* first = makeParameter ("x");
    auto* duplicate = makeParameter ("x");
    manager.AddParameter (first);
    manager.AddParameter (makeParameter ("y"));
    manager.AddParameter (duplicate);
    manager.AddParameter (nullptr);

    EXPECT_EQ (manager.NumParameters(), 2);
    EXPECT_EQ (manager.GetParameterByID ("x"), first);
    EXPECT_EQ (manager.GetParameterIndex ("y"), 1);
    EXPECT_EQ (manager.GetParameterIndex (nullptr), -1);
    EXPECT_EQ (manager.GetParameter (2), nullptr);
    delete duplicate;   // refused, so still the caller's
}

TEST (Mutex, ALockHeldByThisThreadIsPassedAndReleasedByItsTakerOnly)
{
    AAX_CMutex mutex;
    ASSERT_TRUE (mutex.Lock());
    EXPECT_FALSE (mutex.Lock());

    {
        const AAX_StLock_Guard nested (mutex);
    }

    std::thread ([&] { mutex.Unlock(); }).join();
    EXPECT_FALSE (mutex.Lock()) << "the lock was released by someone other than its taker";

    mutex.Unlock();
    bool otherThreadLocked = false;
    std::thread ([&] { otherThreadLocked = mutex.Lock(); mutex.Unlock(); }).join();
    EXPECT_TRUE (otherThreadLocked);
}

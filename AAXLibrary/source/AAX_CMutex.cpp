#include "AAX_CMutex.h"

#include <atomic>
#include <pthread.h>

/** The system mutex and its owner. A pthread_t of 0 names no thread here (threads are
    told apart by their non-null handles), so 0 stands for "nobody holds the lock".
*/
struct AAX_CMutex::Record
{
    std::atomic<pthread_t> owner { pthread_t() };
    pthread_mutex_t mutex;
};

AAX_CMutex::AAX_CMutex()
    : mRecord (std::make_unique<Record>())
{
    if (pthread_mutex_init (&mRecord->mutex, nullptr) != 0)
        mRecord.reset();
}

AAX_CMutex::~AAX_CMutex()
{
    if (mRecord != nullptr)
        pthread_mutex_destroy (&mRecord->mutex);
}

bool AAX_CMutex::Lock()
{
    if (mRecord == nullptr)
        return false;

    const auto self = pthread_self();

    // Only this thread can have stored its own handle, so a match cannot be stale.
    if (pthread_equal (mRecord->owner.load (std::memory_order_relaxed), self))
        return false;

    pthread_mutex_lock (&mRecord->mutex);
    mRecord->owner.store (self, std::memory_order_relaxed);
    return true;
}

void AAX_CMutex::Unlock()
{
    if (mRecord == nullptr || ! pthread_equal (mRecord->owner.load (std::memory_order_relaxed), pthread_self()))
        return;

    mRecord->owner.store (pthread_t(), std::memory_order_relaxed);
    pthread_mutex_unlock (&mRecord->mutex);
}

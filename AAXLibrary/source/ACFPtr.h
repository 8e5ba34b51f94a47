#pragma once

#include "ACFUnknown.h"

/** Holds one reference to a host interface and releases it when done.

    A query or creation writes into the holder through getOutputSlot(), which releases any
    interface held before, so a query always writes into an empty holder. Dereferencing an
    empty holder throws the result code ACF_E_POINTER; the exported entry points turn that
    into a failure result for the host.
*/
template <typename InterfaceType>
class ACFPtr
{
public:
    ACFPtr() noexcept = default;

    /** Holds the given interface, adding a reference when it is not null. */
    explicit ACFPtr (InterfaceType* interfaceToHold) noexcept
        : pointer (interfaceToHold)
    {
        if (pointer != nullptr)
            pointer->AddRef();
    }

    ~ACFPtr()       { reset(); }

    ACFPtr (const ACFPtr&) = delete;
    ACFPtr& operator= (const ACFPtr&) = delete;

    /** Releases the held interface, if any, and becomes empty. */
    void reset() noexcept
    {
        if (auto* held = pointer)
        {
            pointer = nullptr;
            held->Release();
        }
    }

    /** Empties the holder and returns the slot a query or creation writes into. */
    void** getOutputSlot() noexcept
    {
        reset();
        return reinterpret_cast<void**> (&pointer);
    }

    bool isEmpty() const noexcept                   { return pointer == nullptr; }

    /** The held pointer, or null; never throws. */
    InterfaceType* get() const noexcept             { return pointer; }

    /** The held pointer; throws ACF_E_POINTER when the holder is empty. */
    InterfaceType* operator->() const
    {
        if (pointer == nullptr)
            throw ACF_E_POINTER;

        return pointer;
    }

private:
    InterfaceType* pointer = nullptr;
};

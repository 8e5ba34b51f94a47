#pragma once

#include "AEffect.h"
#include "VstTimeInfo.h"

#include <map>
#include <mutex>
#include <vector>

/** A VST 2.4 host of our own for the tests: it records every call an effect
    makes through its callback and answers each opcode with a set value.

    Only one stand-in is current at a time; callback() reaches it.
*/
class StandInHost
{
public:
    struct Call
    {
        AEffect* effect;
        int32_t opcode;
        int32_t index;
        int64_t value;
        void* ptr;
        float opt;
    };

    StandInHost();
    ~StandInHost();

    /** The function handed to the effect as its host callback. */
    static int64_t callback (AEffect* effect, int32_t opcode, int32_t index,
                             int64_t value, void* ptr, float opt);

    /** Sets the answer for an opcode; unset opcodes answer 0, except the time
        query, which answers the address of timeInfo.
    */
    void setAnswer (int32_t opcode, int64_t answer);

    std::vector<Call> getCalls() const;
    std::vector<Call> getCalls (int32_t opcode) const;
    int countCalls (int32_t opcode) const;
    void clearCalls();

    VstTimeInfo timeInfo {};

private:
    int64_t handle (const Call& call);

    mutable std::mutex lock;
    std::vector<Call> calls;
    std::map<int32_t, int64_t> answers;
};

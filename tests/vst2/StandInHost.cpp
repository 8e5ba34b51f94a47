#include "StandInHost.h"
#include "VstOpcodes.h"

#include <atomic>

namespace
{
    std::atomic<StandInHost*> currentHost { nullptr };
}

StandInHost::StandInHost()
{
    currentHost = this;
}

StandInHost::~StandInHost()
{
    currentHost = nullptr;
}

int64_t StandInHost::callback (AEffect* effect, int32_t opcode, int32_t index,
                               int64_t value, void* ptr, float opt)
{
    if (auto* host = currentHost.load())
        return host->handle ({ effect, opcode, index, value, ptr, opt });

    return 0;
}

int64_t StandInHost::handle (const Call& call)
{
    const std::lock_guard<std::mutex> guard (lock);
    calls.push_back (call);

    if (auto answer = answers.find (call.opcode); answer != answers.end())
        return answer->second;

    if (call.opcode == HostOpcode::getTime)
        return (int64_t) (intptr_t) &timeInfo;

    return 0;
}

void StandInHost::setAnswer (int32_t opcode, int64_t answer)
{
    const std::lock_guard<std::mutex> guard (lock);
    answers[opcode] = answer;
}

std::vector<StandInHost::Call> StandInHost::getCalls() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return calls;
}

std::vector<StandInHost::Call> StandInHost::getCalls (int32_t opcode) const
{
    const std::lock_guard<std::mutex> guard (lock);
    std::vector<Call> matching;

    for (const auto& call : calls)
        if (call.opcode == opcode)
            matching.push_back (call);

    return matching;
}

int StandInHost::countCalls (int32_t opcode) const
{
    return (int) getCalls (opcode).size();
}

void StandInHost::clearCalls()
{
    const std::lock_guard<std::mutex> guard (lock);
    calls.clear();
}

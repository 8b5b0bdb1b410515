#pragma once

// Steps and log helpers shared by the procedure tests.

#include <algorithm>
#include <string>
#include <vector>

#include "ScriptedRuntime.h"

namespace dirdock::scripted {

inline Step Event(std::int32_t event, std::int32_t control = 0)
{
    Step step;
    step.event = event;
    step.control = control;
    return step;
}

// The calls of the event passes: from after BeginEventLoop up to and with
// the last EndEventPass.
inline std::vector<std::string> PassCalls(const ScriptedRuntime& runtime)
{
    const std::vector<std::string> calls = runtime.calls();
    auto begin = std::find(calls.begin(), calls.end(), "BeginEventLoop()");
    if (begin != calls.end())
        ++begin;
    auto end = calls.end();
    while (end != begin && !std::prev(end)->starts_with("EndEventPass("))
        --end;
    return {begin, end};
}

// The calls of one pass, counted from 0.
inline std::vector<std::string> PassCalls(const ScriptedRuntime& runtime, std::size_t pass)
{
    std::vector<std::string> passes = PassCalls(runtime);
    auto begin = passes.begin();
    for (std::size_t i = 0; i < pass && begin != passes.end(); ++i)
        begin = std::next(std::find_if(begin, passes.end(),
                                       [](const std::string& line) { return line.starts_with("EndEventPass("); }));
    auto end = std::find_if(begin, passes.end(),
                            [](const std::string& line) { return line.starts_with("EndEventPass("); });
    return {begin, end == passes.end() ? end : std::next(end)};
}

// The calls up to and with BeginEventLoop.
inline std::vector<std::string> OpeningCalls(const ScriptedRuntime& runtime)
{
    const std::vector<std::string> calls = runtime.calls();
    auto end = std::find(calls.begin(), calls.end(), "BeginEventLoop()");
    return {calls.begin(), end == calls.end() ? end : std::next(end)};
}

// The calls after the last pass.
inline std::vector<std::string> LeavingCalls(const ScriptedRuntime& runtime)
{
    const std::vector<std::string> calls = runtime.calls();
    auto last = std::find_if(calls.rbegin(), calls.rend(),
                             [](const std::string& line) { return line.starts_with("EndEventPass("); });
    return {last.base(), calls.end()};
}

} // namespace dirdock::scripted

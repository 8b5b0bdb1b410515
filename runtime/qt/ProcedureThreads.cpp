#include "ProcedureThreads.h"

#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

#include "core/Runtime.h"
#include "runtime/qt/GuiMailbox.h"
#include "runtime/qt/GuiThread.h"

namespace dirdock {

namespace {

// The stack asked for is a minimum: the runtime's own calls, and the
// sanitizers' bookkeeping, need more than a procedure does.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr std::size_t MinimumStack = 8u << 20;
#else
constexpr std::size_t MinimumStack = 1u << 20;
#endif

struct ProcedureThread {
    pthread_t handle;
    std::shared_ptr<std::atomic<bool>> finished;
};

struct Start {
    ProcedureFunction procedure;
    std::shared_ptr<std::atomic<bool>> finished;
};

std::mutex threadsMutex;
std::vector<ProcedureThread> threads;

void* RunProcedure(void* argument)
{
    std::unique_ptr<Start> start(static_cast<Start*>(argument));
    try {
        start->procedure();
    } catch (...) {
        // A procedure's failure ends its own thread, never the process.
    }
    start->finished->store(true);
    Mailbox().notify();
    return nullptr;
}

std::size_t StackSize(std::int32_t asked)
{
    const long page = sysconf(_SC_PAGESIZE);
    const std::size_t pageSize = page > 0 ? static_cast<std::size_t>(page) : 4096;
    std::size_t size = std::max<std::size_t>(asked > 0 ? static_cast<std::size_t>(asked) : 0, MinimumStack);
    return (size + pageSize - 1) / pageSize * pageSize;
}

void JoinFinishedLocked()
{
    std::erase_if(threads, [](const ProcedureThread& thread) {
        if (!thread.finished->load())
            return false;
        pthread_join(thread.handle, nullptr);
        return true;
    });
}

} // namespace

std::int32_t StartProcedureThread(ProcedureFunction procedure, std::int32_t stackSize)
{
    if (procedure == nullptr || !RuntimeRunning())
        return 0;
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0)
        return 0;
    pthread_attr_setstacksize(&attributes, StackSize(stackSize));
    auto finished = std::make_shared<std::atomic<bool>>(false);
    auto* start = new Start{procedure, finished};
    std::lock_guard lock(threadsMutex);
    JoinFinishedLocked();
    pthread_t handle;
    const int failed = pthread_create(&handle, &attributes, &RunProcedure, start);
    pthread_attr_destroy(&attributes);
    if (failed != 0) {
        delete start;
        return 0;
    }
    threads.push_back(ProcedureThread{handle, finished});
    return 1;
}

bool AllProcedureThreadsFinished()
{
    std::lock_guard lock(threadsMutex);
    return std::all_of(threads.begin(), threads.end(),
                       [](const ProcedureThread& thread) { return thread.finished->load(); });
}

void ReapProcedureThreads()
{
    std::lock_guard lock(threadsMutex);
    JoinFinishedLocked();
    for (const ProcedureThread& thread : threads)
        pthread_detach(thread.handle);
    threads.clear();
}

} // namespace dirdock

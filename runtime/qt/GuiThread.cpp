#include "GuiThread.h"

#include <atomic>

namespace dirdock {

namespace {

std::atomic<std::thread::id> guiThread;

} // namespace

void SetGuiThread(std::thread::id id)
{
    guiThread.store(id);
}

bool IsGuiThread()
{
    return guiThread.load() == std::this_thread::get_id();
}

bool RuntimeRunning()
{
    return !Mailbox().stopped();
}

} // namespace dirdock

#include "ProgramDriver.h"
#include "ProgramWidgets.h"

#include "core/ModuleInitialiser.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QToolButton>

namespace dirdock::test {

namespace {

std::function<void(ProgramDriver&)> pendingScript;
std::thread driverThread;

// Chooses "E&xit" in the File menu, as a person ending the program would.
void chooseExit()
{
    QMainWindow* frame = Frame();
    if (frame == nullptr)
        return;
    for (QAction* action : frame->findChildren<QAction*>()) {
        if (action->text() == QLatin1String("E&xit")) {
            action->trigger();
            return;
        }
    }
}

void startDriver()
{
    if (!pendingScript || driverThread.joinable())
        return;
    driverThread = std::thread([] {
        ProgramDriver driver;
        // The program is ready for a person once the frame shows its toolbar.
        driver.waitUntil([] {
            QMainWindow* frame = Frame();
            return frame != nullptr && frame->isVisible() && Toolbar() != nullptr;
        });
        pendingScript(driver);
        driver.onGui([] { chooseExit(); });
    });
}

} // namespace

int ProgramDriver::run(const std::function<void(ProgramDriver&)>& script)
{
    pendingScript = script;
    // The driver starts as soon as the program's application object exists.
    static const bool registered = (qAddPreRoutine(startDriver), true);
    (void)registered;
    const int exitCode = RunProgram();
    if (driverThread.joinable())
        driverThread.join();
    pendingScript = nullptr;
    return exitCode;
}

QMdiSubWindow* ProgramDriver::openDirectoryWindow()
{
    const std::size_t before = onGui([] { return SubWindows(DirectoryKey).size(); });
    onGui([] { qobject_cast<QToolButton*>(Control(Toolbar(), 1))->click(); });
    if (!waitUntil([&] { return SubWindows(DirectoryKey).size() == before + 1; }))
        return nullptr;
    return onGui([] { return SubWindows(DirectoryKey).back(); });
}

void ProgramDriver::waitForRuntime()
{
    const auto deadline = Clock::now() + DefaultTimeout;
    while (!RuntimeRunning() && Clock::now() < deadline)
        std::this_thread::yield();
}

bool ProgramDriver::waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    std::mutex mutex;
    std::condition_variable changed;
    bool satisfied = false;
    QTimer* timer = onGui([&] {
        auto* poll = new QTimer(qApp);
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
            if (!condition())
                return;
            poll->stop();
            std::lock_guard lock(mutex);
            satisfied = true;
            changed.notify_all();
        });
        poll->start();
        return poll;
    });
    {
        std::unique_lock lock(mutex);
        changed.wait_for(lock, timeout, [&] { return satisfied; });
    }
    onGui([timer] {
        timer->stop();
        timer->deleteLater();
    });
    std::lock_guard lock(mutex);
    return satisfied;
}

} // namespace dirdock::test

// Starting the runtime for the program and closing it down.

#include <QApplication>

#include <memory>

#include "core/Runtime.h"
#include "runtime/qt/GuiThread.h"
#include "runtime/qt/InputWatcher.h"
#include "runtime/qt/OpenFileDialog.h"
#include "runtime/qt/ProcedureThreads.h"
#include "runtime/qt/StoredImages.h"
#include "runtime/qt/WindowRegistry.h"
#include "runtime/qt/WindowFactory.h"

namespace dirdock {

namespace {

// How long closing down waits for procedure threads to return.
constexpr std::chrono::seconds CloseDownBound{5};

// The program takes no command line: Qt gets a name and nothing else.
int argumentCount = 1;
char programName[] = "dirdock";
char* arguments[] = {programName, nullptr};

std::unique_ptr<QApplication> application;
std::unique_ptr<InputWatcher> watcher;

void CloseEveryWindow()
{
    for (const std::shared_ptr<WindowState>& window : AllWindows())
        CloseWindowWidgets(*window);
}

void DestroyEveryWindow()
{
    for (const std::shared_ptr<WindowState>& window : AllWindows()) {
        delete window->gui.window.data();
        window->gui = WindowWidgets{};
        UnregisterWindow(window->id);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

std::int32_t StartRuntime(const ProgramDescriptorRecord& program, std::int32_t version)
{
    if (version != RuntimeVersion)
        return 0;
    if (RuntimeRunning())
        return 1;
    if (QApplication::instance() == nullptr) {
        application = std::make_unique<QApplication>(argumentCount, arguments);
        DisableSettingsFiles();
    }
    SetGuiThread(std::this_thread::get_id());
    if (!Mailbox().start())
        return 0;
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon());
    watcher = std::make_unique<InputWatcher>();
    qApp->installEventFilter(watcher.get());
    SetWatcher(watcher.get());
    if (program.moduleInitialiser != nullptr)
        program.moduleInitialiser(0);
    return 1;
}

void EnterProgramCode()
{
}

void InitialiseModule()
{
}

void CloseDownRuntime()
{
    if (!RuntimeRunning() || !IsGuiThread())
        return;
    CloseAllOpenFileDialogs();
    CloseEveryWindow();
    Mailbox().serveUntil([] { return AllProcedureThreadsFinished(); },
                         GuiMailbox::Clock::now() + CloseDownBound);
    // Whatever a straggler asked for since is answered as cancelled, and
    // what it asks from now on returns at once.
    CloseAllOpenFileDialogs();
    Mailbox().stop();
    ReapProcedureThreads();
    DestroyEveryWindow();
    SetWatcher(nullptr);
    watcher.reset();
    application.reset();
}

} // namespace dirdock

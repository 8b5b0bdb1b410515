// The open-file dialog as a procedure sees it: it returns when the dialog
// closes, while the GUI thread goes on serving every other window.

#include <QEventLoop>
#include <QPointer>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

#include "core/Runtime.h"
#include "runtime/qt/GuiThread.h"
#include "runtime/qt/OpenFileDialog.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {

namespace {

// Where the dialog's answer meets the procedure waiting for it.
class DialogAnswer {
public:
    // Kept as plain bytes: no Qt data is shared with the waiting thread.
    void give(const std::optional<QByteArray>& path)
    {
        {
            std::lock_guard lock(m_mutex);
            if (path)
                m_path = path->toStdString();
            m_given = true;
        }
        m_changed.notify_all();
        if (m_loop != nullptr)
            m_loop->quit();
    }

    // Procedure thread: waits without spinning.
    std::optional<std::string> await()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_given; });
        return m_path;
    }

    // GUI thread: runs the event loop until the answer is given.
    std::optional<std::string> awaitOnGuiThread()
    {
        QEventLoop loop;
        m_loop = &loop;
        if (!given())
            loop.exec();
        m_loop = nullptr;
        std::lock_guard lock(m_mutex);
        return m_path;
    }

private:
    bool given() const
    {
        std::lock_guard lock(m_mutex);
        return m_given;
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_given = false;
    std::optional<std::string> m_path;
    QPointer<QEventLoop> m_loop; // GUI thread only
};

QWidget* OwnerWidget(const std::shared_ptr<WindowState>& window)
{
    if (window && window->gui.window != nullptr)
        return window->gui.window;
    std::shared_ptr<WindowState> frame = FrameWindowState();
    return frame ? frame->gui.window.data() : nullptr;
}

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::int32_t FileDialog(std::string_view title, std::span<char> fileName, std::string_view filter,
                        std::int32_t)
{
    if (fileName.empty())
        return 0;
    const std::shared_ptr<WindowState> window = CurrentWindow();
    const std::string_view initial = TerminatedText(fileName);
    auto answer = std::make_shared<DialogAnswer>();
    // Qt's texts are made on the GUI thread, so no shared text data crosses.
    const bool started = OnGui(
        [&] {
            const OpenFileRequest request{Text(title), Text(filter),
                                          QByteArray(initial.data(), static_cast<qsizetype>(initial.size())),
                                          fileName.size()};
            StartOpenFileDialog(OwnerWidget(window), request,
                                [answer](std::optional<QByteArray> path) { answer->give(path); });
            return true;
        },
        false);
    if (!started)
        return 0;
    const std::optional<std::string> path = IsGuiThread() ? answer->awaitOnGuiThread() : answer->await();
    if (!path)
        return 0;
    AssignTerminated(fileName, *path);
    return 1;
}

} // namespace dirdock

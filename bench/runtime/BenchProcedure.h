#pragma once

#include <QCoreApplication>
#include <QMetaObject>

#include <functional>
#include <string_view>

#include "core/Runtime.h"
#include "runtime/data/Records.h"

class QWidget;

namespace dirdock::bench {

inline constexpr std::string_view DirectoryKey = "Kestrova$KSTRV003";
inline constexpr std::string_view ChildLabel = "P1$WINDOW";
inline constexpr int EntryControl = 2;
inline constexpr int BrowseControl = 3;
inline constexpr int ListControl = 4;

// Runs body as a procedure on a thread from StartProcedureThread and serves
// the GUI thread (the caller's) until it returns. False when no thread started.
bool RunProcedure(std::function<void()> body);

// Runs f on the GUI thread from a procedure thread and waits for it.
template <typename F>
void OnGuiThread(F&& f)
{
    QMetaObject::invokeMethod(qApp, std::forward<F>(f), Qt::BlockingQueuedConnection);
}

// A directory window of the calling procedure thread, with its bound entry
// text and list queue; open and past its first event while the object lives.
class ProbeWindow {
public:
    ProbeWindow();
    ~ProbeWindow();
    ProbeWindow(const ProbeWindow&) = delete;
    ProbeWindow& operator=(const ProbeWindow&) = delete;

    WindowRef ref() const { return m_ref; }
    // A control's widget; GUI thread only.
    QWidget* control(int number) const;

    FixedText<255> path;
    ListRecord listBuffer{};
    Queue list;

private:
    WindowRef m_ref = 0;
};

} // namespace dirdock::bench

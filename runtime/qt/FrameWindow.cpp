#include "FrameWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QWindowStateChangeEvent>

#include "runtime/qt/WindowState.h"

namespace dirdock {

FrameWindow::FrameWindow(std::weak_ptr<WindowState> state, QSize definedSize)
    : m_state(std::move(state)), m_definedSize(definedSize), m_acceptedSize(definedSize)
{
    setCentralWidget(new QMdiArea(this));
    resize(definedSize);
}

QMdiArea* FrameWindow::mdiArea() const
{
    return static_cast<QMdiArea*>(centralWidget());
}

void FrameWindow::addStatusSection(QLabel* label, int stretch)
{
    statusBar()->addWidget(label, stretch);
    m_sections.push_back(label);
}

void FrameWindow::showMessage(const QString& text)
{
    if (!m_sections.empty())
        m_sections.front()->setText(text);
}

QString FrameWindow::message() const
{
    return m_sections.empty() ? QString() : m_sections.front()->text();
}

void FrameWindow::resizeByRuntime(QSize size)
{
    applyOwn([this, size] { resize(size); });
    m_acceptedSize = this->size();
}

void FrameWindow::post(std::int32_t event)
{
    if (auto state = m_state.lock())
        state->postOnce(QueuedEvent{event, 0, 0, 0});
}

bool FrameWindow::event(QEvent* event)
{
    // Status tips go to the first section, not over the whole bar.
    if (event->type() == QEvent::StatusTip) {
        showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void FrameWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Maximizing is a change of size too; minimizing is not.
    if (m_applying || (windowState() & Qt::WindowMinimized))
        return;
    if (size() != m_acceptedSize)
        post(EvSizing);
}

void FrameWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        stateChanged(static_cast<QWindowStateChangeEvent*>(event)->oldState());
    else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        post(EvFocusGained);
}

void FrameWindow::stateChanged(Qt::WindowStates oldState)
{
    if (m_applying)
        return;
    const Qt::WindowStates now = windowState();
    if ((now & Qt::WindowMaximized) && !(oldState & Qt::WindowMaximized)) {
        post(EvSizing);
        return;
    }
    if ((oldState & Qt::WindowMinimized) && !(now & Qt::WindowMinimized)) {
        // Back from minimized always comes back whole: refusing this would
        // leave the frame with no way back.
        m_restoredFromMaximized = false;
        if (!(now & Qt::WindowMaximized)) {
            m_acceptedSize = m_definedSize;
            applyOwn([this] { resize(m_definedSize); });
        }
        post(EvRestoring);
    } else if ((oldState & Qt::WindowMaximized) && !(now & (Qt::WindowMaximized | Qt::WindowMinimized))) {
        m_restoredFromMaximized = true;
        post(EvRestoring);
    }
}

void FrameWindow::applyOwn(const std::function<void()>& change)
{
    m_applying = true;
    change();
    m_applying = false;
}

void FrameWindow::passEnded(std::int32_t event, std::int32_t flag)
{
    if (event == EvSizing) {
        if (flag == 1) {
            applyOwn([this] {
                if (isMaximized())
                    setWindowState(windowState() & ~Qt::WindowMaximized);
                resize(m_acceptedSize);
            });
            return;
        }
        m_acceptedSize = size();
        post(EvResized);
    } else if (event == EvRestoring && flag == 1 && m_restoredFromMaximized) {
        m_restoredFromMaximized = false;
        applyOwn([this] { setWindowState(windowState() | Qt::WindowMaximized); });
    }
}

void FrameWindow::closeEvent(QCloseEvent* event)
{
    // The procedure ends the frame: it closes and releases it.
    event->ignore();
    if (onCloseRequested)
        onCloseRequested();
}

} // namespace dirdock

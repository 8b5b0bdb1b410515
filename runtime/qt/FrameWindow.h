#pragma once

#include <QMainWindow>
#include <QSize>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QMdiArea;

namespace dirdock {

class WindowState;

// The application frame: a main window around the MDI area, which reports
// resizing and restoring to its procedure and undoes what it refuses.
class FrameWindow : public QMainWindow {
public:
    FrameWindow(std::weak_ptr<WindowState> state, QSize definedSize);

    QMdiArea* mdiArea() const;
    void addStatusSection(QLabel* label, int stretch);
    // The first status section, where messages appear.
    void showMessage(const QString& text);
    QString message() const;

    // The runtime sizes the frame: that size is the one to keep.
    void resizeByRuntime(QSize size);
    // Applies the flag that ended a pass over EvSizing or EvRestoring.
    void passEnded(std::int32_t event, std::int32_t flag);

    std::function<void()> onCloseRequested;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void post(std::int32_t event);
    void stateChanged(Qt::WindowStates oldState);
    // Changes the runtime makes itself are no news to the procedure.
    void applyOwn(const std::function<void()>& change);

    std::weak_ptr<WindowState> m_state;
    QSize m_definedSize;
    QSize m_acceptedSize;
    bool m_restoredFromMaximized = false;
    bool m_applying = false;
    std::vector<QLabel*> m_sections;
};

} // namespace dirdock

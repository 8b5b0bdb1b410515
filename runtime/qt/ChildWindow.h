#pragma once

#include <QMdiSubWindow>

#include <functional>

namespace dirdock {

// A window inside the frame. Closing it by hand only tells its procedure,
// which closes and releases it.
class ChildWindow : public QMdiSubWindow {
public:
    explicit ChildWindow(Qt::WindowFlags flags);

    // The size the client area gets when the whole window is outer pixels,
    // and back.
    QSize clientSize() const;
    void resizeClient(QSize client);

    std::function<void()> onCloseRequested;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QSize frameExtra() const;
};

} // namespace dirdock

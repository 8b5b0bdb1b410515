#include "ChildWindow.h"

#include <QCloseEvent>
#include <QLayout>

namespace dirdock {

ChildWindow::ChildWindow(Qt::WindowFlags flags) : QMdiSubWindow(nullptr, flags)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

QSize ChildWindow::frameExtra() const
{
    QMargins margins = contentsMargins();
    if (layout() != nullptr)
        margins += layout()->contentsMargins();
    return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}

QSize ChildWindow::clientSize() const
{
    return size() - frameExtra();
}

void ChildWindow::resizeClient(QSize client)
{
    resize(client + frameExtra());
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (onCloseRequested)
        onCloseRequested();
}

} // namespace dirdock

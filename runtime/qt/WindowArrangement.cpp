#include "WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <memory>

#include "runtime/qt/WindowRegistry.h"
#include "runtime/qt/WindowState.h"

namespace dirdock {

namespace {

bool Docked(QMdiSubWindow* sub)
{
    std::shared_ptr<WindowState> window = WindowOfWidget(sub->widget());
    return window && window->gui.docked;
}

bool Open(QMdiSubWindow* sub)
{
    std::shared_ptr<WindowState> window = WindowOfWidget(sub->widget());
    return window && !window->closed() && !sub->isHidden();
}

// The part of the MDI area right of the docked windows.
QRect ArrangingArea(QMdiArea* area)
{
    QRect rect = area->viewport()->rect();
    int left = rect.left();
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
        if (Docked(sub) && !sub->isHidden())
            left = std::max(left, sub->geometry().right() + 1);
    }
    rect.setLeft(std::min(left, rect.right()));
    return rect;
}

std::vector<QMdiSubWindow*> Unminimized(QMdiArea* area)
{
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : ArrangedWindows(area)) {
        if (!sub->isMinimized())
            windows.push_back(sub);
    }
    return windows;
}

// How far each window of a cascade lies from the one before: the height of
// a caption bar.
int CascadeStep(QMdiSubWindow* sub)
{
    const QStyle* style = sub->style();
    const int captionBar = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub)
                           + style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub);
    return std::max(8, captionBar);
}

// The place of window `index` of a cascade whose windows are `size` large,
// starting again at the top once the next one would not fit.
QPoint CascadePosition(const QRect& rect, int step, QSize size, int index)
{
    const int fitting = std::max(1, std::min((rect.width() - size.width()) / step,
                                             (rect.height() - size.height()) / step) + 1);
    const int offset = (index % fitting) * step;
    return rect.topLeft() + QPoint(offset, offset);
}

} // namespace

std::vector<QMdiSubWindow*> ArrangedWindows(QMdiArea* area)
{
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
        if (!Docked(sub) && Open(sub))
            windows.push_back(sub);
    }
    return windows;
}

void Tile(QMdiArea* area)
{
    const std::vector<QMdiSubWindow*> windows = Unminimized(area);
    if (windows.empty())
        return;
    const QRect rect = ArrangingArea(area);
    const int count = static_cast<int>(windows.size());
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const int rows = (count + columns - 1) / columns;
    const int width = rect.width() / columns;
    const int height = rect.height() / rows;
    for (int i = 0; i < count; ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(rect.left() + (i % columns) * width, rect.top() + (i / columns) * height, width,
                                height);
    }
}

// Stacks the windows, each offset from the one before, at their own size
// as far as the area leaves room for every caption bar.
void Cascade(QMdiArea* area)
{
    const std::vector<QMdiSubWindow*> windows = Unminimized(area);
    if (windows.empty())
        return;
    const QRect rect = ArrangingArea(area);
    const int step = CascadeStep(windows.front());
    const int offsets = static_cast<int>(windows.size() - 1) * step;
    const QSize room(std::max(rect.width() - offsets, step), std::max(rect.height() - offsets, step));
    for (std::size_t i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        sub->showNormal();
        const QSize size = sub->size().boundedTo(room);
        sub->setGeometry(QRect(CascadePosition(rect, step, size, static_cast<int>(i)), size));
        sub->raise();
    }
    area->setActiveSubWindow(windows.back());
}

QPoint NewWindowPosition(QMdiArea* area, QMdiSubWindow* sub)
{
    const std::vector<QMdiSubWindow*> others = ArrangedWindows(area);
    const int index = static_cast<int>(std::count_if(others.begin(), others.end(),
                                                     [sub](QMdiSubWindow* other) { return other != sub; }));
    return CascadePosition(ArrangingArea(area), CascadeStep(sub), sub->size(), index);
}

void ArrangeIcons(QMdiArea* area)
{
    const QRect rect = ArrangingArea(area);
    int x = rect.left();
    int bottom = rect.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* sub : ArrangedWindows(area)) {
        if (!sub->isMinimized())
            continue;
        const QSize size = sub->size();
        if (x > rect.left() && x + size.width() > rect.right() + 1) {
            x = rect.left();
            bottom -= rowHeight;
            rowHeight = 0;
        }
        sub->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

} // namespace dirdock

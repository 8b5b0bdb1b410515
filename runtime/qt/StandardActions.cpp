#include "StandardActions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <memory>

#include "runtime/qt/FrameWindow.h"
#include "runtime/qt/HelpViewer.h"
#include "runtime/qt/ListView.h"
#include "runtime/qt/WindowRegistry.h"

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

void Cascade(QMdiArea* area)
{
    const std::vector<QMdiSubWindow*> windows = Unminimized(area);
    if (windows.empty())
        return;
    const QRect rect = ArrangingArea(area);
    const int step = std::max(8, windows.front()->height() - windows.front()->widget()->height());
    const QSize size(std::max(rect.width() * 2 / 3, 1), std::max(rect.height() * 2 / 3, 1));
    const int fitting = std::max(1, std::min((rect.width() - size.width()) / step,
                                             (rect.height() - size.height()) / step) + 1);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const int offset = static_cast<int>(i % static_cast<std::size_t>(fitting)) * step;
        windows[i]->showNormal();
        windows[i]->setGeometry(QRect(rect.topLeft() + QPoint(offset, offset), size));
        windows[i]->raise();
    }
    area->setActiveSubWindow(windows.back());
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

QWidget* FocusedControl()
{
    return QApplication::focusWidget();
}

ListView* FocusedList()
{
    for (QWidget* w = FocusedControl(); w != nullptr; w = w->parentWidget()) {
        if (auto* list = dynamic_cast<ListView*>(w))
            return list;
    }
    return nullptr;
}

void Clipboard(StandardAction action)
{
    if (auto* entry = dynamic_cast<QLineEdit*>(FocusedControl())) {
        if (action == StandardAction::Cut)
            entry->cut();
        else if (action == StandardAction::Copy)
            entry->copy();
        else
            entry->paste();
        return;
    }
    // A list's rows belong to its procedure: they can be copied, not cut.
    if (ListView* list = FocusedList(); list != nullptr && action == StandardAction::Copy) {
        const QString text = list->selectedRowText();
        if (!text.isEmpty())
            QGuiApplication::clipboard()->setText(text);
    }
}

void PrintSetup(FrameWindow* frame)
{
    // One printer for the run, so choices made once are there next time.
    static QPrinter* printer = new QPrinter;
    QPageSetupDialog dialog(printer, frame);
    dialog.setObjectName(QStringLiteral("printSetup"));
    dialog.exec();
}

void Run(StandardAction action, FrameWindow* frame)
{
    switch (action) {
    case StandardAction::Tile:
        Tile(frame->mdiArea());
        break;
    case StandardAction::Cascade:
        Cascade(frame->mdiArea());
        break;
    case StandardAction::ArrangeIcons:
        ArrangeIcons(frame->mdiArea());
        break;
    case StandardAction::HelpContents:
        HelpViewer::showPage(frame, HelpViewer::Page::Contents);
        break;
    case StandardAction::HelpSearch:
        HelpViewer::showPage(frame, HelpViewer::Page::Search);
        break;
    case StandardAction::HelpOnHelp:
        HelpViewer::showPage(frame, HelpViewer::Page::HowToUse);
        break;
    case StandardAction::Cut:
    case StandardAction::Copy:
    case StandardAction::Paste:
        Clipboard(action);
        break;
    case StandardAction::Close:
        frame->close();
        break;
    case StandardAction::PrintSetup:
        PrintSetup(frame);
        break;
    case StandardAction::WindowList:
    case StandardAction::None:
        break;
    }
}

QString WindowListText(int number, const QString& caption)
{
    return number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(caption)
                       : QStringLiteral("%1 %2").arg(number).arg(caption);
}

void RebuildWindowList(QMenu* menu, FrameWindow* frame, std::vector<QAction*>& added)
{
    for (QAction* action : added) {
        menu->removeAction(action);
        action->deleteLater();
    }
    added.clear();
    const std::vector<QMdiSubWindow*> windows = ArrangedWindows(frame->mdiArea());
    if (windows.empty())
        return;
    added.push_back(menu->addSeparator());
    QMdiSubWindow* active = frame->mdiArea()->activeSubWindow();
    int number = 0;
    for (QMdiSubWindow* sub : windows) {
        QAction* action = menu->addAction(WindowListText(++number, sub->windowTitle()));
        action->setCheckable(true);
        action->setChecked(sub == active);
        QPointer<QMdiSubWindow> target = sub;
        QObject::connect(action, &QAction::triggered, frame, [frame, target] {
            if (target == nullptr)
                return;
            if (target->isMinimized())
                target->showNormal();
            frame->mdiArea()->setActiveSubWindow(target);
        });
        added.push_back(action);
    }
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

void ConnectStandardAction(QAction* action, StandardAction standard, FrameWindow* frame)
{
    if (standard == StandardAction::None || standard == StandardAction::WindowList)
        return;
    QObject::connect(action, &QAction::triggered, frame, [standard, frame] { Run(standard, frame); });
}

void AttachWindowList(QMenu* menu, FrameWindow* frame)
{
    auto added = std::make_shared<std::vector<QAction*>>();
    QObject::connect(menu, &QMenu::aboutToShow, frame, [menu, frame, added] { RebuildWindowList(menu, frame, *added); });
}

} // namespace dirdock

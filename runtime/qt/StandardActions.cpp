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
#include <memory>

#include "runtime/qt/FrameWindow.h"
#include "runtime/qt/HelpViewer.h"
#include "runtime/qt/ListView.h"
#include "runtime/qt/WindowArrangement.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {

namespace {

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

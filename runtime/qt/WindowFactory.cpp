#include "WindowFactory.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "runtime/qt/ChildWindow.h"
#include "runtime/qt/ControlFactory.h"
#include "runtime/qt/FrameWindow.h"
#include "runtime/qt/StandardActions.h"
#include "runtime/qt/StoredImages.h"
#include "runtime/qt/WindowContent.h"
#include "runtime/qt/WindowArrangement.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {

namespace {

// Sizes a definition leaves open.
constexpr int DefaultWidth = 200;
constexpr int DefaultHeight = 120;

QFont DefinitionFont(const FontDefinition& font)
{
    QFont result = QApplication::font();
    if (!font.typeface.empty())
        result.setFamily(DefinitionText(font.typeface));
    if (font.points > 0)
        result.setPointSize(font.points);
    return result;
}

QSize DefinedSize(const WindowDefinition& definition, const DialogUnits& units)
{
    const int width = definition.width == NotGiven ? DefaultWidth : definition.width;
    const int height = definition.height == NotGiven ? DefaultHeight : definition.height;
    return {units.toPixelsX(std::max(width, 0)), units.toPixelsY(std::max(height, 0))};
}

// Hovered entries show their message however their menu was opened.
void ShowMessagesOnHover(QMenu* menu, FrameWindow* frame)
{
    QObject::connect(menu, &QMenu::hovered, frame, [frame](QAction* action) { frame->showMessage(action->statusTip()); });
    QObject::connect(menu, &QMenu::aboutToHide, frame, [frame] { frame->showMessage(QString()); });
}

void BuildMenus(const WindowDefinition& definition, FrameWindow* frame)
{
    QObject::connect(frame->menuBar(), &QMenuBar::hovered, frame,
                     [frame](QAction* action) { frame->showMessage(action->statusTip()); });
    QMenu* menu = nullptr;
    for (const MenuEntry& entry : definition.menu) {
        if (entry.kind == MenuEntryKind::Menu) {
            menu = frame->menuBar()->addMenu(DefinitionText(entry.text));
            menu->menuAction()->setStatusTip(DefinitionText(entry.message));
            ShowMessagesOnHover(menu, frame);
            if (entry.action == StandardAction::WindowList)
                AttachWindowList(menu, frame);
            else
                ConnectStandardAction(menu->menuAction(), entry.action, frame);
        } else if (menu != nullptr && entry.kind == MenuEntryKind::Separator) {
            menu->addSeparator();
        } else if (menu != nullptr) {
            QAction* action = menu->addAction(DefinitionText(entry.text));
            action->setStatusTip(DefinitionText(entry.message));
            ConnectStandardAction(action, entry.action, frame);
        }
    }
}

void BuildStatusBar(const WindowDefinition& definition, FrameWindow* frame, const DialogUnits& units)
{
    for (const int width : definition.statusSections) {
        auto* section = new QLabel(frame);
        section->setFrameShape(QFrame::Panel);
        section->setFrameShadow(QFrame::Sunken);
        if (width < 0) {
            frame->addStatusSection(section, 1);
        } else {
            section->setFixedWidth(units.toPixelsX(width));
            frame->addStatusSection(section, 0);
        }
    }
}

void WatchActivation(FrameWindow* frame)
{
    QObject::connect(frame->mdiArea(), &QMdiArea::subWindowActivated, frame, [](QMdiSubWindow* sub) {
        if (sub == nullptr)
            return;
        // A window the procedure has not opened yet gains no focus: its
        // first event is always EvOpened.
        std::shared_ptr<WindowState> window = WindowOfWidget(sub->widget());
        if (window && window->gui.opened)
            window->post(QueuedEvent{EvFocusGained, 0, 0, 0});
    });
}

void PlaceChild(const WindowDefinition& definition, ChildWindow* sub, const DialogUnits& units, QSize client)
{
    sub->resizeClient(client);
    if (definition.x != NotGiven && definition.y != NotGiven)
        sub->move(units.toPixelsX(definition.x), units.toPixelsY(definition.y));
    else if (QMdiArea* area = sub->mdiArea())
        sub->move(NewWindowPosition(area, sub));
}

} // namespace

bool BuildFrame(const std::shared_ptr<WindowState>& window)
{
    const WindowDefinition& definition = *window->definition;
    const QFont font = DefinitionFont(definition.font);
    window->gui.units = DialogUnits(font);
    auto* frame = new FrameWindow(window, DefinedSize(definition, window->gui.units));
    frame->setFont(font);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setWindowTitle(DefinitionText(definition.caption));
    frame->setWindowIcon(definition.icon.empty() ? ProgramIcon() : IconForFile(definition.icon));
    BuildMenus(definition, frame);
    BuildStatusBar(definition, frame, window->gui.units);
    WatchActivation(frame);
    if (definition.x != NotGiven && definition.y != NotGiven)
        frame->move(window->gui.units.toPixelsX(definition.x), window->gui.units.toPixelsY(definition.y));
    MarkWindowWidget(frame, window->id);
    std::weak_ptr<WindowState> weak = window;
    frame->onCloseRequested = [weak] {
        if (auto w = weak.lock())
            CloseWindowWidgets(*w);
    };
    window->gui.passEnded = [frame](std::int32_t event, std::int32_t flag) { frame->passEnded(event, flag); };
    window->gui.window = frame;
    window->gui.content = frame->mdiArea()->viewport();
    return true;
}

bool BuildChild(const std::shared_ptr<WindowState>& window)
{
    const WindowDefinition& definition = *window->definition;
    const QFont font = DefinitionFont(definition.font);
    window->gui.units = DialogUnits(font);
    window->gui.docked = !definition.wallpaper.empty() && definition.menu.empty();
    auto* sub = new ChildWindow(window->gui.docked ? Qt::FramelessWindowHint : Qt::WindowFlags());
    auto* content = new WindowContent(ImageForFile(definition.wallpaper));
    sub->setFont(font);
    content->setFont(font);
    sub->setWidget(content);
    sub->setObjectName(QStringLiteral("window%1").arg(window->id));
    sub->setProperty("definitionKey", DefinitionText(definition.key));
    sub->setWindowTitle(DefinitionText(definition.caption));
    sub->setWindowIcon(IconForFile(definition.icon));
    MarkWindowWidget(content, window->id);
    BuildControls(window, content);
    std::weak_ptr<WindowState> weak = window;
    sub->onCloseRequested = [weak] {
        if (auto w = weak.lock())
            CloseWindowWidgets(*w);
    };
    content->onResizedByOthers = [weak] {
        if (auto w = weak.lock())
            w->postOnce(QueuedEvent{EvResized, 0, 0, 0});
    };
    if (std::shared_ptr<WindowState> frame = FrameWindowState()) {
        if (auto* frameWidget = dynamic_cast<FrameWindow*>(frame->gui.window.data()))
            frameWidget->mdiArea()->addSubWindow(sub);
    }
    sub->hide();
    const QSize client = DefinedSize(definition, window->gui.units);
    content->acceptSize(client);
    PlaceChild(definition, sub, window->gui.units, client);
    window->gui.window = sub;
    window->gui.content = content;
    return true;
}

void CloseWindowWidgets(WindowState& window)
{
    window.close();
    if (window.gui.window != nullptr)
        window.gui.window->hide();
    if (FrameWindowState().get() != &window)
        return;
    for (const std::shared_ptr<WindowState>& other : AllWindows()) {
        if (other.get() != &window && !other->closed())
            CloseWindowWidgets(*other);
    }
}

} // namespace dirdock

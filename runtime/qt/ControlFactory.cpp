#include "ControlFactory.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "runtime/data/DisplayPicture.h"
#include "runtime/data/ListFormat.h"
#include "runtime/qt/EntryValidator.h"
#include "runtime/qt/InputWatcher.h"
#include "runtime/qt/ListView.h"
#include "runtime/qt/RegionWidget.h"
#include "runtime/qt/StoredImages.h"
#include "runtime/qt/WindowContent.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {

namespace {

// Bytes an entry takes: its bound variable's length.
constexpr int EntryCapacity = 255;

using WeakWindow = std::weak_ptr<WindowState>;

void Post(const WeakWindow& weak, std::int32_t event, int control)
{
    if (auto window = weak.lock())
        window->post(QueuedEvent{event, control, PointerXIn(*window), 0});
}

QWidget* MakePrompt(const ControlDefinition& definition, QWidget* parent)
{
    return new QLabel(DefinitionText(definition.text), parent);
}

QWidget* MakeEntry(int control, QWidget* parent, const WeakWindow& weak)
{
    auto* entry = new QLineEdit(parent);
    entry->setMaxLength(EntryCapacity);
    entry->setValidator(new EntryValidator(EntryCapacity, entry));
    QObject::connect(entry, &QLineEdit::textEdited, entry, [weak, control](const QString& text) {
        if (auto window = weak.lock())
            window->storeEntryText(control, text.toUtf8().toStdString());
    });
    QObject::connect(entry, &QLineEdit::inputRejected, entry,
                     [weak, control] { Post(weak, EvRejected, control); });
    return entry;
}

QWidget* MakeButton(const ControlDefinition& definition, int control, QWidget* parent,
                    const WeakWindow& weak, const DialogUnits& units)
{
    auto* button = new QToolButton(parent);
    button->setText(DefinitionText(definition.text));
    button->setToolTip(DefinitionText(definition.tooltip));
    const QIcon icon = IconForFile(definition.icon);
    if (!icon.isNull()) {
        button->setIcon(icon);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        if (definition.width != NotGiven && definition.height != NotGiven)
            button->setIconSize(QSize(units.toPixelsX(definition.width), units.toPixelsY(definition.height)) -
                                QSize(4, 4));
    }
    QObject::connect(button, &QToolButton::clicked, button, [weak, control] { Post(weak, EvAccepted, control); });
    return button;
}

QWidget* MakeList(const ControlDefinition& definition, QWidget* parent, const DialogUnits& units)
{
    return new ListView(ListFormat::parse(definition.listFormat), units, DisplayLocale{}, parent);
}

QWidget* MakeRegion(int control, WindowContent* content, const WeakWindow& weak)
{
    auto* region = new RegionWidget(content);
    region->onEnter = [weak, control] { Post(weak, EvPointerIn, control); };
    region->onLeave = [weak, control] { Post(weak, EvPointerOut, control); };
    content->addCoveringChild(region);
    return region;
}

void Place(QWidget* widget, const ControlDefinition& definition, const DialogUnits& units)
{
    const QSize hint = widget->sizeHint();
    const int x = definition.x == NotGiven ? 0 : units.toPixelsX(definition.x);
    const int y = definition.y == NotGiven ? 0 : units.toPixelsY(definition.y);
    const int width = definition.width == NotGiven ? hint.width() : units.toPixelsX(definition.width);
    const int height = definition.height == NotGiven ? hint.height() : units.toPixelsY(definition.height);
    widget->setGeometry(x, y, width, height);
}

QWidget* MakeControl(const ControlDefinition& definition, int control, WindowContent* content,
                     QWidget* parent, const std::shared_ptr<WindowState>& window)
{
    const DialogUnits& units = window->gui.units;
    switch (definition.kind) {
    case ControlKind::Prompt:
        return MakePrompt(definition, parent);
    case ControlKind::Entry:
        return MakeEntry(control, parent, window);
    case ControlKind::Button:
        return MakeButton(definition, control, parent, window, units);
    case ControlKind::List:
        return MakeList(definition, parent, units);
    case ControlKind::Region:
        return MakeRegion(control, content, window);
    }
    return nullptr;
}

// A region covers the client area and holds the other controls, so that
// the pointer on them is still inside it.
QWidget* ControlParent(const WindowDefinition& definition, WindowContent* content,
                       const std::vector<QPointer<QWidget>>& built)
{
    for (std::size_t i = 0; i < definition.controls.size() && i < built.size(); ++i) {
        if (definition.controls[i].kind == ControlKind::Region)
            return built[i];
    }
    return content;
}

} // namespace

QString DefinitionText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void BuildControls(const std::shared_ptr<WindowState>& window, WindowContent* content)
{
    const WindowDefinition& definition = *window->definition;
    std::vector<QPointer<QWidget>>& built = window->gui.controls;
    built.assign(definition.controls.size(), nullptr);
    for (std::size_t i = 0; i < definition.controls.size(); ++i) {
        if (definition.controls[i].kind == ControlKind::Region)
            built[i] = MakeControl(definition.controls[i], static_cast<int>(i + 1), content, content, window);
    }
    QWidget* parent = ControlParent(definition, content, built);
    for (std::size_t i = 0; i < definition.controls.size(); ++i) {
        const ControlDefinition& control = definition.controls[i];
        if (control.kind == ControlKind::Region)
            continue;
        built[i] = MakeControl(control, static_cast<int>(i + 1), content, parent, window);
        Place(built[i], control, window->gui.units);
    }
    for (std::size_t i = 0; i < built.size(); ++i) {
        if (built[i] == nullptr)
            continue;
        built[i]->setObjectName(QStringLiteral("control%1").arg(i + 1));
        MarkControlWidget(built[i], static_cast<int>(i + 1));
        built[i]->setFont(content->font());
    }
}

} // namespace dirdock

#include "ProgramWidgets.h"

#include <QApplication>

namespace dirdock::test {

QMainWindow* Frame()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frame"))
            return qobject_cast<QMainWindow*>(widget);
    }
    return nullptr;
}

QMdiArea* MdiArea()
{
    QMainWindow* frame = Frame();
    return frame == nullptr ? nullptr : qobject_cast<QMdiArea*>(frame->centralWidget());
}

DialogUnits FrameUnits()
{
    return DialogUnits(Frame()->font());
}

std::vector<QMdiSubWindow*> SubWindows(std::string_view key)
{
    std::vector<QMdiSubWindow*> found;
    QMdiArea* area = MdiArea();
    if (area == nullptr)
        return found;
    const QString wanted = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder)) {
        if (window->property("definitionKey").toString() == wanted && window->isVisible())
            found.push_back(window);
    }
    return found;
}

QMdiSubWindow* Toolbar()
{
    const auto found = SubWindows(ToolbarKey);
    return found.empty() ? nullptr : found.front();
}

QWidget* Control(QMdiSubWindow* window, int number)
{
    return window->findChild<QWidget*>(QStringLiteral("control%1").arg(number));
}

QTreeView* List(QMdiSubWindow* window)
{
    return qobject_cast<QTreeView*>(Control(window, 4));
}

QFileDialog* OpenDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog != nullptr && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

QStringList ColumnTexts(QMdiSubWindow* window, int column)
{
    QStringList texts;
    const QAbstractItemModel* model = List(window)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column - 1).data().toString();
    return texts;
}

} // namespace dirdock::test

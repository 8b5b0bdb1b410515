#pragma once

#include <QFileDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QString>
#include <QStringList>
#include <QTreeView>

#include <string_view>
#include <vector>

#include "runtime/qt/DialogUnits.h"

namespace dirdock::test {

inline constexpr std::string_view ToolbarKey = "Kestrova$KSTRV002";
inline constexpr std::string_view DirectoryKey = "Kestrova$KSTRV003";

// Lookups of the program's widgets as a person sees them. GUI thread only.
QMainWindow* Frame();
QMdiArea* MdiArea();
DialogUnits FrameUnits();
std::vector<QMdiSubWindow*> SubWindows(std::string_view key);
QMdiSubWindow* Toolbar();
QWidget* Control(QMdiSubWindow* window, int number);
QTreeView* List(QMdiSubWindow* window);
QFileDialog* OpenDialog();

// The texts of one column of a list, top to bottom.
QStringList ColumnTexts(QMdiSubWindow* window, int column);

} // namespace dirdock::test

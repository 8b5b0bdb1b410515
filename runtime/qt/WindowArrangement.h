#pragma once

#include <QPoint>

#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace dirdock {

// The windows the arranging actions move: open, not docked, in the order
// they were made.
std::vector<QMdiSubWindow*> ArrangedWindows(QMdiArea* area);

// The arranging actions. Each works on the part of the area right of the
// docked windows, which keep their place.
void Tile(QMdiArea* area);
void Cascade(QMdiArea* area);
void ArrangeIcons(QMdiArea* area);

// Where a new window without a position of its own opens: the next place of
// a cascade over the windows already open.
QPoint NewWindowPosition(QMdiArea* area, QMdiSubWindow* sub);

} // namespace dirdock

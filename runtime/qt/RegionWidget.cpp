#include "RegionWidget.h"

namespace dirdock {

RegionWidget::RegionWidget(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void RegionWidget::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (onEnter)
        onEnter();
}

void RegionWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (onLeave)
        onLeave();
}

} // namespace dirdock

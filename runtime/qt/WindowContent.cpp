#include "WindowContent.h"

#include <QPainter>
#include <QResizeEvent>

namespace dirdock {

WindowContent::WindowContent(QImage wallpaper) : m_wallpaper(std::move(wallpaper))
{
}

void WindowContent::addCoveringChild(QWidget* child)
{
    m_covering.push_back(child);
    child->setGeometry(rect());
}

void WindowContent::acceptSize(QSize size)
{
    m_acceptedSize = size;
}

void WindowContent::paintEvent(QPaintEvent*)
{
    if (m_wallpaper.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(rect(), m_wallpaper);
}

void WindowContent::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QWidget* child : m_covering)
        child->setGeometry(rect());
    if (size() == m_acceptedSize)
        return;
    m_acceptedSize = size();
    if (onResizedByOthers)
        onResizedByOthers();
}

} // namespace dirdock

#include "WindowContent.h"

#include <QPainter>
#include <QResizeEvent>

namespace dirdock {

WindowContent::WindowContent(const QImage& wallpaper)
    : m_wallpaper(wallpaper.isNull() ? QPixmap() : QPixmap::fromImage(wallpaper))
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
    // Tiled at its own size: the bitmap is drawn as made, never scaled.
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), m_wallpaper);
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

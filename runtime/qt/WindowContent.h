#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <vector>

namespace dirdock {

// The client area of a window: paints its wallpaper, keeps region controls
// covering it and tells when someone else changed its size.
class WindowContent : public QWidget {
public:
    explicit WindowContent(const QImage& wallpaper);

    void addCoveringChild(QWidget* child);
    // The runtime sized the window: that size is no news to the procedure.
    void acceptSize(QSize size);

    std::function<void()> onResizedByOthers;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap m_wallpaper;
    std::vector<QWidget*> m_covering;
    QSize m_acceptedSize;
};

} // namespace dirdock

#pragma once

#include <QWidget>

#include <functional>

namespace dirdock {

// An area that reports the pointer entering and leaving it. Other controls
// of its window are its children, so moving onto them is not leaving.
class RegionWidget : public QWidget {
public:
    explicit RegionWidget(QWidget* parent);

    std::function<void()> onEnter;
    std::function<void()> onLeave;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace dirdock

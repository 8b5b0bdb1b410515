#pragma once

#include <QHeaderView>

namespace dirdock {

// The list's header. A press near the edge of a column that cannot be
// resized starts no drag, so it is a press on the section like any other;
// the plain header would swallow it.
class ListHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit ListHeader(QWidget* parent = nullptr);

    // True when a press at this viewport position grabs a resizable edge.
    bool grabsResizableEdge(int position) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int edgeSectionAt(int position) const;

    bool m_pressReported = false;
};

} // namespace dirdock

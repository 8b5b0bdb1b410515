#include "tools/IndexedCanvas.h"

#include <algorithm>
#include <cmath>

namespace dirdock::tools {
namespace {

double DistanceToSegment(IndexedCanvas::Point p, IndexedCanvas::Point a, IndexedCanvas::Point b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool InsidePolygon(IndexedCanvas::Point p, const std::vector<IndexedCanvas::Point>& corners)
{
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const auto& a = corners[i];
        const auto& b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

IndexedCanvas::Point Centre(int x, int y)
{
    return {x + 0.5, y + 0.5};
}

} // namespace

IndexedCanvas::IndexedCanvas(int width, int height, int background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, background)
{
}

int IndexedCanvas::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return Transparent;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void IndexedCanvas::set(int x, int y, int index)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = index;
}

void IndexedCanvas::fillRect(int left, int top, int right, int bottom, int index)
{
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            set(x, y, index);
    }
}

void IndexedCanvas::framedRect(int left, int top, int right, int bottom, int fill, int border)
{
    fillRect(left, top, right, bottom, border);
    fillRect(left + 1, top + 1, right - 1, bottom - 1, fill);
}

void IndexedCanvas::line(Point from, Point to, double thickness, int index)
{
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (DistanceToSegment(Centre(x, y), from, to) <= thickness / 2.0)
                set(x, y, index);
        }
    }
}

void IndexedCanvas::fillPolygon(const std::vector<Point>& corners, int index)
{
    if (corners.size() < 3)
        return;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (InsidePolygon(Centre(x, y), corners))
                set(x, y, index);
        }
    }
}

void IndexedCanvas::upperLeftArc(Point centre, double innerRadius, double outerRadius, int index)
{
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Point p = Centre(x, y);
            const double distance = std::hypot(p.x - centre.x, p.y - centre.y);
            if (p.x <= centre.x && p.y <= centre.y && distance >= innerRadius && distance <= outerRadius)
                set(x, y, index);
        }
    }
}

} // namespace dirdock::tools

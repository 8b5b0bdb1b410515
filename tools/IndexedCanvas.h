#pragma once

#include <vector>

namespace dirdock::tools {

// A picture of palette indices with a transparent background, drawn with a
// few shapes. Drawing outside the canvas is clipped.
class IndexedCanvas {
public:
    static constexpr int Transparent = -1;

    struct Point {
        double x;
        double y;
    };

    IndexedCanvas(int width, int height, int background = Transparent);

    int width() const { return width_; }
    int height() const { return height_; }
    int at(int x, int y) const;
    bool isTransparent(int x, int y) const { return at(x, y) == Transparent; }

    void set(int x, int y, int index);
    // Corners inclusive.
    void fillRect(int left, int top, int right, int bottom, int index);
    // A rectangle with a one-pixel border of another index.
    void framedRect(int left, int top, int right, int bottom, int fill, int border);
    // Every pixel whose centre lies within thickness / 2 of the segment.
    void line(Point from, Point to, double thickness, int index);
    // Every pixel whose centre lies inside the polygon (even-odd rule).
    void fillPolygon(const std::vector<Point>& corners, int index);
    // The pixels between two radii around a centre, in the quarter that lies
    // above and to the left of it.
    void upperLeftArc(Point centre, double innerRadius, double outerRadius, int index);

private:
    int width_;
    int height_;
    std::vector<int> pixels_;
};

} // namespace dirdock::tools

#pragma once

#include <QFont>
#include <QPoint>
#include <QSize>

namespace dirdock {

// Dialog units of a font: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    DialogUnits() = default;
    explicit DialogUnits(const QFont& font);

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    // Pixels back to units, rounded to the nearest unit.
    int toUnitsX(int pixels) const;
    int toUnitsY(int pixels) const;

    double pixelsPerUnitX() const { return m_x; }
    double pixelsPerUnitY() const { return m_y; }

private:
    double m_x = 1.5;
    double m_y = 1.75;
};

} // namespace dirdock

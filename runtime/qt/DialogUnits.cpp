#include "DialogUnits.h"

#include <QFontMetricsF>

#include <cmath>

namespace dirdock {

namespace {

constexpr const char* AverageSample = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

int roundToInt(double value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const double averageWidth = metrics.horizontalAdvance(QString::fromLatin1(AverageSample)) / 52.0;
    if (averageWidth > 0)
        m_x = averageWidth / 4.0;
    if (metrics.height() > 0)
        m_y = metrics.height() / 8.0;
}

int DialogUnits::toPixelsX(int units) const
{
    return roundToInt(units * m_x);
}

int DialogUnits::toPixelsY(int units) const
{
    return roundToInt(units * m_y);
}

int DialogUnits::toUnitsX(int pixels) const
{
    return roundToInt(pixels / m_x);
}

int DialogUnits::toUnitsY(int pixels) const
{
    return roundToInt(pixels / m_y);
}

} // namespace dirdock

#include "StoredImages.h"

#include <QPixmap>

#include <cstring>

#include "windows/Images.h"

namespace dirdock {

QImage ImageNamed(std::string_view storedName)
{
    const DecodedImage decoded = DecodeImage(FindStoredImage(storedName));
    if (!decoded.valid() || decoded.pixels.size() != static_cast<std::size_t>(decoded.width) * decoded.height)
        return {};
    QImage image(decoded.width, decoded.height, QImage::Format_ARGB32);
    for (int row = 0; row < decoded.height; ++row)
        std::memcpy(image.scanLine(row), decoded.pixels.data() + static_cast<std::size_t>(row) * decoded.width,
                    static_cast<std::size_t>(decoded.width) * sizeof(std::uint32_t));
    return image;
}

QImage ImageForFile(std::string_view fileName)
{
    if (fileName.empty())
        return {};
    return ImageNamed(StoredImageName(fileName));
}

QIcon IconForFile(std::string_view fileName)
{
    const QImage image = ImageForFile(fileName);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QIcon ProgramIcon()
{
    const QImage image = ImageNamed(ProgramIconName);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

} // namespace dirdock

#pragma once

#include <QIcon>
#include <QImage>

#include <string_view>

namespace dirdock {

// An image the program carries, by its stored name; null when there is
// none or it does not decode.
QImage ImageNamed(std::string_view storedName);
// The same by the file name a definition gives.
QImage ImageForFile(std::string_view fileName);
QIcon IconForFile(std::string_view fileName);
QIcon ProgramIcon();

} // namespace dirdock

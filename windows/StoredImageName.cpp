#include "windows/Images.h"

namespace dirdock {

std::string StoredImageName(std::string_view fileName)
{
    std::string name(fileName);
    for (char& c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c == '.')
            c = '_';
    }
    return name;
}

} // namespace dirdock

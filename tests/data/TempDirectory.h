#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace dirdock {

// A fresh directory under the system's temporary folder, removed with
// everything in it when the test ends.
class TempDirectory {
public:
    TempDirectory()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dirdock-data-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~TempDirectory()
    {
        if (m_path.empty())
            return;
        std::error_code ignored;
        // Give back every permission first, so removal reaches everything.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(
                 m_path, std::filesystem::directory_options::skip_permission_denied, ignored)) {
            if (entry.is_directory(ignored) && !entry.is_symlink(ignored))
                ::chmod(entry.path().c_str(), 0700);
        }
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

} // namespace dirdock

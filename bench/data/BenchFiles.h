#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace dirdock::bench {

// A directory of plain files with names like real ones, made once under /tmp
// and removed when the object goes.
class BenchDirectory {
public:
    BenchDirectory(const std::string& parent, std::size_t files, unsigned seed);
    ~BenchDirectory();
    BenchDirectory(const BenchDirectory&) = delete;
    BenchDirectory& operator=(const BenchDirectory&) = delete;

    const std::string& path() const { return m_path; }
    const std::vector<std::string>& names() const { return m_names; }
    // A file holding the names, one a line, for the external sort.
    const std::string& nameFile() const { return m_nameFile; }

private:
    std::string m_path;
    std::string m_nameFile;
    std::vector<std::string> m_names;
};

} // namespace dirdock::bench

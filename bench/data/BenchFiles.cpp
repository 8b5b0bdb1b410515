#include "BenchFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <stdexcept>

namespace dirdock::bench {

namespace {

const char* const Words[] = {"report", "invoice", "photo", "IMG", "draft", "notes", "Budget", "summary", "backup",
                             "final", "copy", "readme", "holiday", "meeting", "scan", "letter", "project", "data",
                             "Export", "music", "track", "video", "thesis", "chapter", "CV", "plan", "log",
                             "config", "index", "archive", "todo", "Quarterly", "results", "slides", "minutes"};
const char* const Extensions[] = {".txt", ".jpg", ".JPG", ".pdf", ".docx", ".tar.gz", ".cpp", ".h", ".png",
                                  ".xlsx", ".mp3", "", ".log", ".csv", ".Md"};
const char* const Separators[] = {" ", "_", "-", "", ".", " - "};

template <typename T, std::size_t N>
const T& Pick(const T (&items)[N], std::mt19937& random)
{
    return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

std::string MixCase(std::string word, std::mt19937& random)
{
    const int style = std::uniform_int_distribution<int>(0, 3)(random);
    for (char& c : word) {
        if (style == 1 && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (style == 2 && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return word;
}

std::string MakeName(std::mt19937& random)
{
    std::string name;
    const int words = std::uniform_int_distribution<int>(1, 3)(random);
    for (int i = 0; i < words; ++i) {
        if (i > 0)
            name += Pick(Separators, random);
        name += MixCase(Pick(Words, random), random);
    }
    if (std::uniform_int_distribution<int>(0, 3)(random) > 0)
        name += Pick(Separators, random) + std::to_string(std::uniform_int_distribution<int>(0, 20000)(random));
    // One name in twenty is long, as generated or downloaded names are.
    if (std::uniform_int_distribution<int>(0, 19)(random) == 0) {
        while (name.size() < 120)
            name += " " + MixCase(Pick(Words, random), random);
    }
    return name + Pick(Extensions, random);
}

void MakeFile(const std::string& path, std::mt19937& random)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + path);
    // Sparse sizes and spread-out times, as real directories have.
    const off_t size = std::uniform_int_distribution<off_t>(0, 50'000'000)(random);
    const timespec when{std::uniform_int_distribution<time_t>(631152000, 1796996730)(random),
                        std::uniform_int_distribution<long>(0, 999999999)(random)};
    const timespec times[2] = {when, when};
    const bool ok = ::ftruncate(fd, size) == 0 && ::futimens(fd, times) == 0;
    ::close(fd);
    if (!ok)
        throw std::runtime_error("cannot size or date " + path);
}

} // namespace

BenchDirectory::BenchDirectory(const std::string& parent, std::size_t files, unsigned seed)
{
    std::string pattern = parent + "/dirdock-bench-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a directory in " + parent);
    m_path = pattern + "/files";
    m_nameFile = pattern + "/names.txt";
    std::filesystem::create_directory(m_path);
    std::mt19937 random(seed);
    std::set<std::string> used;
    while (m_names.size() < files) {
        const std::string name = MakeName(random);
        if (!used.insert(name).second)
            continue;
        MakeFile(m_path + "/" + name, random);
        m_names.push_back(name);
    }
    std::ofstream out(m_nameFile);
    for (const std::string& name : m_names)
        out << name << '\n';
}

BenchDirectory::~BenchDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(m_path).parent_path(), ignored);
}

} // namespace dirdock::bench

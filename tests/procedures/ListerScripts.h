#pragma once

// Scripts and fixtures of the directory lister tests.

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "ProcedureScripts.h"
#include "lister/RunDirectoryLister.h"
#include "runtime/data/RecordDescription.h"
#include "runtime/data/Records.h"

namespace dirdock::scripted {

constexpr std::int32_t BrowseButton = 3;
constexpr std::int32_t FileList = 4;

// Runs one directory window through the script.
inline std::unique_ptr<ScriptedRuntime> RunLister(Script script)
{
    auto runtime = std::make_unique<ScriptedRuntime>(std::move(script));
    runtime->nameDescription(ListRecordDescription, "ListEntries");
    runtime->nameDescription(DirectoryEntryDescription, "DirectoryEntries");
    RunDirectoryLister();
    return runtime;
}

// A press of the browse button, with what was typed before it and how the
// dialog ends (cancelled unless a path is chosen).
inline Step Browse(std::optional<std::string> typed = std::nullopt, std::optional<std::string> chosen = std::nullopt)
{
    Step step = Event(EvAccepted, BrowseButton);
    step.typedText = std::move(typed);
    if (chosen)
        step.dialog = DialogAnswer{1, *chosen};
    return step;
}

// A left-button press as the window reports it: pre-alert, then alerted
// with what the list recorded of the press.
inline std::vector<Step> Press(const std::string& row, const std::string& column)
{
    Step alerted = Event(EvKeyAlerted, FileList);
    alerted.properties = {{0, FileList, PropClickRow, row}, {0, FileList, PropClickColumn, column}};
    return {Event(EvKeyPreAlert, FileList), alerted};
}

inline std::vector<Step> HeaderPress(const std::string& column)
{
    return Press("0", column);
}

inline void Append(std::vector<Step>& steps, const std::vector<Step>& more)
{
    steps.insert(steps.end(), more.begin(), more.end());
}

inline Script ListerScript(std::vector<Step> steps)
{
    Script script;
    script.steps = std::move(steps);
    return script;
}

// The list as the last redisplay of the given control showed it.
inline std::vector<ListRecord> ShownRows(const ScriptedRuntime& runtime, std::int32_t control)
{
    for (auto it = runtime.displays().rbegin(); it != runtime.displays().rend(); ++it) {
        if (it->control == control)
            return RecordsOf<ListRecord>(it->rows);
    }
    return {};
}

inline std::string NameOf(const ListRecord& row)
{
    return std::string(TrimmedFixed(row.FqName));
}

inline std::vector<std::string> ShownNames(const ScriptedRuntime& runtime, std::int32_t control)
{
    std::vector<std::string> names;
    for (const ListRecord& row : ShownRows(runtime, control))
        names.push_back(NameOf(row));
    return names;
}

// A directory of its own under the system's temporary folder, removed at the end.
class TemporaryDirectory {
public:
    TemporaryDirectory()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dirdock-lister-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary directory");
        m_path = pattern;
    }
    ~TemporaryDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // A file of the given size, last written at the given second.
    void write(const std::string& name, std::size_t size, std::time_t modified) const
    {
        const std::filesystem::path file = m_path / name;
        std::ofstream(file, std::ios::binary) << std::string(size, 'x');
        const timespec times[2] = {{modified, 0}, {modified, 0}};
        if (utimensat(AT_FDCWD, file.c_str(), times, 0) != 0)
            throw std::runtime_error("cannot set the time of " + file.string());
    }

private:
    std::filesystem::path m_path;
};

// Makes the process's current directory another one until the end of the scope.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& directory) : m_previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(directory);
    }
    ~CurrentDirectory() { std::filesystem::current_path(m_previous); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::filesystem::path m_previous;
};

} // namespace dirdock::scripted

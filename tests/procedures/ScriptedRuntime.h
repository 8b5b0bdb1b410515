#pragma once

// A runtime for procedure tests: it records every call it receives as a
// readable line and answers from a script of events and values. Queues,
// record clearing and directory listings are carried out on the real data
// layer. It serves the test's own thread only; procedure threads are
// recorded, never started.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/Runtime.h"

namespace dirdock::scripted {

// A value GetProperty answers from this step on. Window 0 is the current
// window, as for the procedures.
struct PropertyAnswer {
    WindowRef window;
    std::int32_t control;
    Property property;
    std::string value;
};

struct DialogAnswer {
    std::int32_t result = 0;
    std::string chosenPath; // written into the buffer when result is non-zero
};

// One pass of the event loop: its event and control, and what the user or
// the runtime changed just before it.
struct Step {
    std::int32_t event = 0;
    std::int32_t control = 0;
    std::vector<PropertyAnswer> properties;
    std::optional<std::int32_t> pointerX;
    std::optional<std::string> typedText; // written into the bound text
    std::optional<DialogAnswer> dialog;   // the answer of a FileDialog in this pass
};

struct Script {
    std::int32_t startRuntimeResult = 1;
    std::int32_t lastKeyCode = 0;
    std::vector<std::int32_t> initialiserPhases{0};
    std::vector<PropertyAnswer> properties;
    std::vector<Step> steps;
};

// What the window showed at a Redisplay.
struct Display {
    std::int32_t control = 0;
    std::string text;                     // the bound text, whole
    std::vector<std::vector<std::byte>> rows; // the bound queue's records
};

class ScriptedRuntime {
public:
    explicit ScriptedRuntime(Script script);
    ~ScriptedRuntime();
    ScriptedRuntime(const ScriptedRuntime&) = delete;
    ScriptedRuntime& operator=(const ScriptedRuntime&) = delete;

    // Queues whose buffer ClearRecord cleared with this description carry
    // the label in the log.
    void nameDescription(std::span<const std::uint8_t> description, std::string label);
    // Adds a line of the test's own to the log, between the runtime's.
    void note(std::string line);

    // Every call, in order.
    const std::vector<std::string>& allCalls() const { return m_calls; }
    // Every call but the CurrentEvent and CurrentControl queries.
    std::vector<std::string> calls() const;
    // The calls whose line starts with the prefix.
    std::vector<std::string> callsStartingWith(std::string_view prefix) const;

    const std::vector<Display>& displays() const { return m_displays; }
    // The records of each ListDirectory, as the listing delivered them.
    const std::vector<std::vector<std::vector<std::byte>>>& listings() const { return m_listings; }
    // The size of the name buffer of the last FileDialog.
    std::size_t dialogBufferSize() const { return m_dialogBufferSize; }
    std::int32_t lastKeyCode() const { return m_lastKeyCode; }

    // The runtime the free functions of core/Runtime.h serve, and what they
    // ask of it.
    static ScriptedRuntime& current();

    void record(std::string line);
    std::string queueLabel(const Queue& queue);
    void clearRecord(void* buffer, std::span<const std::uint8_t> description);
    WindowRef prepareWindow(std::initializer_list<BoundVariable> variables);
    // The procedure's variables end with its window.
    void releaseWindow();
    void beginEventLoop();
    const Step* currentStep() const;
    bool endEventPass();
    std::string getProperty(WindowRef window, std::int32_t control, Property property) const;
    void setProperty(WindowRef window, std::int32_t control, Property property, std::string value);
    std::int32_t pointerX() const { return m_pointerX; }
    void setLastKeyCode(std::int32_t code) { m_lastKeyCode = code; }
    const Script& script() const { return m_script; }
    std::int32_t fileDialog(std::span<char> fileName);
    void snapshotDisplay(std::int32_t control);
    void snapshotListing(const Queue& queue);

private:
    using PropertyKey = std::tuple<WindowRef, std::int32_t, Property>;
    PropertyKey keyOf(WindowRef window, std::int32_t control, Property property) const;
    void enterStep();

    Script m_script;
    std::vector<std::string> m_calls;
    std::vector<Display> m_displays;
    std::vector<std::vector<std::vector<std::byte>>> m_listings;
    std::map<const std::uint8_t*, std::string> m_descriptionLabels;
    std::map<const void*, std::string> m_bufferLabels;
    std::map<PropertyKey, std::string> m_properties;
    std::size_t m_step = 0;
    WindowRef m_lastWindow = 0;
    std::int32_t m_lastKeyCode = 0;
    std::int32_t m_pointerX = 0;
    std::size_t m_dialogBufferSize = 0;
    FixedText<255>* m_boundText = nullptr;
    const Queue* m_boundQueue = nullptr;
    int m_unnamedQueues = 0;
};

// Turns records of a snapshot back into their struct.
template <typename Record>
std::vector<Record> RecordsOf(const std::vector<std::vector<std::byte>>& rows);

} // namespace dirdock::scripted

template <typename Record>
std::vector<Record> dirdock::scripted::RecordsOf(const std::vector<std::vector<std::byte>>& rows)
{
    std::vector<Record> records;
    for (const auto& row : rows) {
        Record record{};
        std::memcpy(&record, row.data(), std::min(row.size(), sizeof record));
        records.push_back(record);
    }
    return records;
}

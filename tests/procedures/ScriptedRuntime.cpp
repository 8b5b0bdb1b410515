#include "ScriptedRuntime.h"

#include <stdexcept>

#include "frame/RunToolbar.h"
#include "lister/RunDirectoryLister.h"
#include "runtime/data/DirectoryListing.h"
#include "runtime/data/RecordDescription.h"

namespace dirdock::scripted {

namespace {

ScriptedRuntime* installed = nullptr;

std::string PropertyName(Property property)
{
    switch (property) {
    case PropText: return "PropText";
    case PropX: return "PropX";
    case PropY: return "PropY";
    case PropWidth: return "PropWidth";
    case PropHeight: return "PropHeight";
    case PropClickRow: return "PropClickRow";
    case PropClickColumn: return "PropClickColumn";
    case PropAcceptSweep: return "PropAcceptSweep";
    }
    return "Prop" + std::to_string(static_cast<std::int32_t>(property));
}

std::string ProcedureName(ProcedureFunction procedure)
{
    if (procedure == &RunToolbar)
        return "RunToolbar";
    if (procedure == &RunDirectoryLister)
        return "RunDirectoryLister";
    return "unknown procedure";
}

// Joins a call's name and arguments into its log line.
template <typename... Arguments>
std::string Line(std::string_view name, const Arguments&... arguments)
{
    std::string line(name);
    line += '(';
    bool first = true;
    auto append = [&](const auto& argument) {
        if (!first)
            line += ',';
        first = false;
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(argument)>>)
            line += std::to_string(argument);
        else
            line += argument;
    };
    (append(arguments), ...);
    line += ')';
    return line;
}

std::vector<std::vector<std::byte>> RowsOf(const Queue& queue)
{
    std::vector<std::vector<std::byte>> rows;
    const std::span<const std::byte> records = queue.records();
    for (std::size_t at = 0; at + queue.recordSize() <= records.size(); at += queue.recordSize())
        rows.emplace_back(records.begin() + static_cast<std::ptrdiff_t>(at),
                          records.begin() + static_cast<std::ptrdiff_t>(at + queue.recordSize()));
    return rows;
}

} // namespace

ScriptedRuntime::ScriptedRuntime(Script script)
    : m_script(std::move(script)), m_lastKeyCode(m_script.lastKeyCode)
{
    if (installed)
        throw std::logic_error("a scripted runtime is already installed");
    installed = this;
    for (const PropertyAnswer& answer : m_script.properties)
        setProperty(answer.window, answer.control, answer.property, answer.value);
}

ScriptedRuntime::~ScriptedRuntime()
{
    installed = nullptr;
}

ScriptedRuntime& ScriptedRuntime::current()
{
    if (!installed)
        throw std::logic_error("no scripted runtime is installed");
    return *installed;
}

void ScriptedRuntime::nameDescription(std::span<const std::uint8_t> description, std::string label)
{
    m_descriptionLabels[description.data()] = std::move(label);
}

void ScriptedRuntime::note(std::string line)
{
    m_calls.push_back(std::move(line));
}

void ScriptedRuntime::record(std::string line)
{
    m_calls.push_back(std::move(line));
}

std::vector<std::string> ScriptedRuntime::calls() const
{
    std::vector<std::string> kept;
    for (const std::string& line : m_calls) {
        if (line != "CurrentEvent()" && line != "CurrentControl()")
            kept.push_back(line);
    }
    return kept;
}

std::vector<std::string> ScriptedRuntime::callsStartingWith(std::string_view prefix) const
{
    std::vector<std::string> kept;
    for (const std::string& line : m_calls) {
        if (line.starts_with(prefix))
            kept.push_back(line);
    }
    return kept;
}

std::string ScriptedRuntime::queueLabel(const Queue& queue)
{
    auto [at, added] = m_bufferLabels.try_emplace(queue.buffer());
    if (added)
        at->second = "queue" + std::to_string(++m_unnamedQueues);
    return at->second;
}

void ScriptedRuntime::clearRecord(void* buffer, std::span<const std::uint8_t> description)
{
    const auto named = m_descriptionLabels.find(description.data());
    std::string label = named != m_descriptionLabels.end() ? named->second
                                                           : "record" + std::to_string(++m_unnamedQueues);
    record(Line("ClearRecord", label));
    m_bufferLabels[buffer] = std::move(label);
    ClearRecordBytes(buffer, description);
}

WindowRef ScriptedRuntime::prepareWindow(std::initializer_list<BoundVariable> variables)
{
    for (const BoundVariable& variable : variables) {
        if (variable.text)
            m_boundText = variable.text;
        if (variable.queue)
            m_boundQueue = variable.queue;
    }
    return ++m_lastWindow;
}

void ScriptedRuntime::releaseWindow()
{
    m_boundText = nullptr;
    m_boundQueue = nullptr;
}

void ScriptedRuntime::beginEventLoop()
{
    m_step = 0;
    enterStep();
}

const Step* ScriptedRuntime::currentStep() const
{
    return m_step < m_script.steps.size() ? &m_script.steps[m_step] : nullptr;
}

bool ScriptedRuntime::endEventPass()
{
    if (m_step >= m_script.steps.size() || ++m_step >= m_script.steps.size())
        return true;
    enterStep();
    return false;
}

// What the user and the runtime changed before the step's event arrives.
void ScriptedRuntime::enterStep()
{
    const Step* step = currentStep();
    if (!step)
        return;
    for (const PropertyAnswer& answer : step->properties)
        setProperty(answer.window, answer.control, answer.property, answer.value);
    if (step->pointerX)
        m_pointerX = *step->pointerX;
    if (step->typedText && m_boundText)
        *m_boundText = *step->typedText;
}

ScriptedRuntime::PropertyKey ScriptedRuntime::keyOf(WindowRef window, std::int32_t control, Property property) const
{
    return {window == 0 ? m_lastWindow : window, control, property};
}

std::string ScriptedRuntime::getProperty(WindowRef window, std::int32_t control, Property property) const
{
    const auto found = m_properties.find(keyOf(window, control, property));
    return found != m_properties.end() ? found->second : std::string{};
}

void ScriptedRuntime::setProperty(WindowRef window, std::int32_t control, Property property, std::string value)
{
    m_properties[keyOf(window, control, property)] = std::move(value);
}

std::int32_t ScriptedRuntime::fileDialog(std::span<char> fileName)
{
    m_dialogBufferSize = fileName.size();
    const Step* step = currentStep();
    if (!step || !step->dialog || step->dialog->result == 0)
        return 0;
    AssignTerminated(fileName, step->dialog->chosenPath);
    return step->dialog->result;
}

void ScriptedRuntime::snapshotDisplay(std::int32_t control)
{
    Display display;
    display.control = control;
    if (m_boundText)
        display.text = std::string(m_boundText->view());
    if (m_boundQueue)
        display.rows = RowsOf(*m_boundQueue);
    m_displays.push_back(std::move(display));
}

void ScriptedRuntime::snapshotListing(const Queue& queue)
{
    m_listings.push_back(RowsOf(queue));
}

} // namespace dirdock::scripted

// The runtime interface, served by the installed scripted runtime.
namespace dirdock {

namespace {

scripted::ScriptedRuntime& R()
{
    return scripted::ScriptedRuntime::current();
}

using scripted::Line;
using scripted::PropertyName;
using scripted::ProcedureName;

} // namespace

std::int32_t StartRuntime(const ProgramDescriptorRecord& program, std::int32_t version)
{
    R().record(Line("StartRuntime", program.name, version));
    for (const std::int32_t phase : R().script().initialiserPhases)
        program.moduleInitialiser(phase);
    return R().script().startRuntimeResult;
}

void CloseDownRuntime() { R().record("CloseDownRuntime()"); }
void EnterProgramCode() { R().record("EnterProgramCode()"); }
void InitialiseModule() { R().record("InitialiseModule()"); }

WindowRef PrepareFrameWindow(std::string_view key, std::string_view label)
{
    R().record(Line("PrepareFrameWindow", key, label));
    return R().prepareWindow({});
}

WindowRef PrepareChildWindow(std::string_view key, std::string_view label,
                             std::initializer_list<BoundVariable> variables)
{
    std::string line = Line("PrepareChildWindow", key, label);
    line.pop_back();
    for (const BoundVariable& variable : variables)
        line += variable.queue ? "," + R().queueLabel(*variable.queue) : std::string(",text");
    R().record(line + ")");
    return R().prepareWindow(variables);
}

void OpenWindow(WindowRef window) { R().record(Line("OpenWindow", window)); }
void CloseWindow(WindowRef window) { R().record(Line("CloseWindow", window)); }
void ReleaseWindow(WindowRef window)
{
    R().record(Line("ReleaseWindow", window));
    R().releaseWindow();
}

void BeginEventLoop()
{
    R().record("BeginEventLoop()");
    R().beginEventLoop();
}

std::int32_t CurrentEvent()
{
    R().record("CurrentEvent()");
    const scripted::Step* step = R().currentStep();
    return step ? step->event : 0;
}

std::int32_t CurrentControl()
{
    R().record("CurrentControl()");
    const scripted::Step* step = R().currentStep();
    return step ? step->control : 0;
}

bool EndEventPass(std::int32_t cycleFlag)
{
    R().record(Line("EndEventPass", cycleFlag));
    return R().endEventPass();
}

void FinishEventLoops(std::int32_t value) { R().record(Line("FinishEventLoops", value)); }

void SelectControl(std::int32_t control, std::int32_t a, std::int32_t b)
{
    R().record(Line("SelectControl", control, a, b));
}

void Redisplay(std::int32_t control, std::int32_t value)
{
    R().record(Line("Redisplay", control, value));
    R().snapshotDisplay(control);
}

void Beep(std::int32_t frequency, std::int32_t duration) { R().record(Line("Beep", frequency, duration)); }

std::int32_t LastKeyCode()
{
    R().record("LastKeyCode()");
    return R().lastKeyCode();
}

void SetLastKeyCode(std::int32_t code)
{
    R().record(Line("SetLastKeyCode", code));
    R().setLastKeyCode(code);
}

std::int32_t PointerX()
{
    R().record("PointerX()");
    return R().pointerX();
}

std::string GetProperty(WindowRef window, std::int32_t control, Property property)
{
    R().record(Line("GetProperty", window, control, PropertyName(property)));
    return R().getProperty(window, control, property);
}

void SetProperty(WindowRef window, std::int32_t control, Property property, std::string_view value)
{
    R().record(Line("SetProperty", window, control, PropertyName(property), value));
    R().setProperty(window, control, property, std::string(value));
}

void SetProperty(WindowRef window, std::int32_t control, Property property, std::int32_t value)
{
    R().record(Line("SetProperty", window, control, PropertyName(property), value));
    R().setProperty(window, control, property, std::to_string(value));
}

std::int32_t StartProcedureThread(ProcedureFunction procedure, std::int32_t stackSize)
{
    R().record(Line("StartProcedureThread", ProcedureName(procedure), stackSize));
    return 1;
}

void PushBindScope(std::int32_t value) { R().record(Line("PushBindScope", value)); }
void PopBindScope() { R().record("PopBindScope()"); }

void ListDirectory(Queue& queue, std::string_view mask, std::int32_t attributes)
{
    R().record(Line("ListDirectory", R().queueLabel(queue), TrimmedFixed(mask), attributes));
    ListDirectoryInto(queue, mask, attributes);
    R().snapshotListing(queue);
}

std::int32_t QueueCount(Queue& queue)
{
    R().record(Line("QueueCount", R().queueLabel(queue)));
    return queue.count();
}

void QueueGet(Queue& queue, std::int32_t n)
{
    R().record(Line("QueueGet", R().queueLabel(queue), n));
    queue.get(n);
}

void QueueAdd(Queue& queue)
{
    R().record(Line("QueueAdd", R().queueLabel(queue)));
    queue.add();
}

void QueueFree(Queue& queue)
{
    R().record(Line("QueueFree", R().queueLabel(queue)));
    queue.clear();
}

void QueueSort(Queue& queue, std::int32_t key)
{
    R().record(Line("QueueSort", R().queueLabel(queue), key));
    queue.sort(key);
}

void ClearRecord(void* buffer, std::span<const std::uint8_t> description)
{
    R().clearRecord(buffer, description);
}

std::int32_t FileDialog(std::string_view title, std::span<char> fileName, std::string_view filter,
                        std::int32_t flags)
{
    R().record(Line("FileDialog", title, TerminatedText(fileName), filter, flags));
    return R().fileDialog(fileName);
}

} // namespace dirdock
